// The key words of the fields of 2D shapes and of the shape lists made from them.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* shapeKeyWords[] = {
    "POINT", "POINT3D", "RAD", "RAD1", "RAD2", "ANGLE", "ANGLE1", "ANGLE2", "COLLECTION",
};
const keyWordDeclarationC shapeKeyWordsDeclared(shapeKeyWords);

}  // namespace
