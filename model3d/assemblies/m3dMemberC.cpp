#include "model3d/assemblies/m3dMemberC.h"

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<m3dMemberC, m3dGeomOpBaseC> memberRegistrar(geometricOp3dRegistry, m3dMemberC::classKey, 5);

}  // namespace

bool isMemberNode(const metaTreeC* node) { return node && node->hasKeyword(m3dMemberC::classKey); }
bool isAssemblyNode(const metaTreeC* node) { return node && node->hasKeyword("ASSEMBLY"); }

matrixC4x4<double> m3dMemberC::getMatrixValues() const { return readNodeMatrix4x4(peekFieldNode(node, mObjMat4x4C::classKey)); }

int m3dMemberC::getAccumulatedMatrix(const metaTreeC* top, matrixC4x4<double>& placement) const {
  placement.ident();
  const metaTreeC* member = node;
  if (!isMemberNode(member)) return 0;
  for (;;) {
    placement = m3dMemberC(const_cast<metaTreeC*>(member), 0).getMatrixValues() * placement;
    const metaTreeC* assembly = member->parent;
    if (!isAssemblyNode(assembly)) return 0;
    if (assembly == top) return 1;
    member = assembly->parent;
    if (!isMemberNode(member)) return 0;
  }
}
