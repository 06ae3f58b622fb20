// The key words the body and foreign feature objects read and add: a body feature's type,
// sketch, parameters and draft angle with the words its type takes, the cosmetic sketch its
// threads come from, and a foreign feature's description and embedded file.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* featureProxyKeyWords[] = {
    "TYP",      "EXTRUDE", "ROTATE",     "USED",     "PARAM",    "EXTDFTANGLE", "COSDRAW",
    "COSSKETCH", "CENTER",  "COSSHAPES",  "FEATINFO", "FMTNAME",  "FMTVERSION",  "FILENAME",
    "FEATDATA", "CODE",    "SIZE",       "DATA",
};
const keyWordDeclarationC featureProxyKeyWordsDeclared(featureProxyKeyWords);

}  // namespace
