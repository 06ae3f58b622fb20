// The key words of a 2D shape's attributes.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* shapeAttributeKeyWords[] = {
    "SHAPEATTR", "SHAPETYP", "SHAPEWIDTH", "COSMETIC",
};
const keyWordDeclarationC shapeAttributeKeyWordsDeclared(shapeAttributeKeyWords);

}  // namespace
