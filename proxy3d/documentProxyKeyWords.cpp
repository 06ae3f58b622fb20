// The key words the 3D document objects read and add: an assembly's attributes and
// preferences, its members' placements and stored 3D points.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* documentProxyKeyWords[] = {
    "ASMATTR", "ASMPREFS", "EXCLFROMBOM", "DOCNAMEPRE", "MEMBER", "MAT", "POINT3D",
};
const keyWordDeclarationC documentProxyKeyWordsDeclared(documentProxyKeyWords);

}  // namespace
