// The key words the sketch, plane, pattern and body objects read and add: a sketch's frame,
// placement, centre line and loops, a plane's type and parameters, and the type words the
// plane objects compare.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* featureProxyKeyWords[] = {
    "SKETCH", "FEATPATTERN", "BODY",  "SKETCHON", "PLANE", "FACE",         "POINT3D",      "VEC3D", "CENTER",
    "LOOP",   "LINE",        "ARC",   "CIRCLE",   "TYP",   "PARAM",        "OFF_TO_PLANE", "XY",    "ZX",
    "YZ",     "ROT_TO_PLANE", "NAME", "MAT",
};
const keyWordDeclarationC featureProxyKeyWordsDeclared(featureProxyKeyWords);

}  // namespace
