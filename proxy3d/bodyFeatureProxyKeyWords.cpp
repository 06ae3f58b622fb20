// The key words the body and foreign feature objects read and add: a body feature's sketch,
// draft angle and the words its type takes, the cosmetic sketch its threads come from, and a
// foreign feature's description and embedded file.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* bodyFeatureProxyKeyWords[] = {
    "EXTRUDE", "ROTATE", "USED", "EXTDFTANGLE", "COSDRAW", "COSSKETCH", "COSSHAPES", "FEATINFO",
    "FMTNAME", "FMTVERSION", "FILENAME", "FEATDATA", "CODE", "SIZE", "DATA",
};
const keyWordDeclarationC bodyFeatureProxyKeyWordsDeclared(bodyFeatureProxyKeyWords);

}  // namespace
