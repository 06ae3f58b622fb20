// The key words the part objects read and add: a part's features, connection points,
// cosmetic sketches, attributes, colour, detail levels, 3D data file and type.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* partProxyKeyWords[] = {
    "ITEMS",      "CONNECT",    "CONNPOINT",   "COSDRAW",           "COSSKETCH", "PARTATTR",
    "IGNSECVIEWCUT", "RGBCOLOR", "PARTPREFS",  "PARTLOD",           "SELLODNAME", "PARTLODENTS",
    "PARTLODENT", "PARTLODEXCFEATLST",         "NAME3DB",           "MTYP",       "NAME",
};
const keyWordDeclarationC partProxyKeyWordsDeclared(partProxyKeyWords);

}  // namespace
