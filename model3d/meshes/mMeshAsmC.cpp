#include "model3d/meshes/mMeshAsmC.h"

#include <cmath>
#include <vector>

#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "model3d/base/finiteValues.h"
#include "model3d/base/mObjMat4x4C.h"
#include "model3d/meshes/mMeshMemberC.h"
#include "model3d/meshes/mMeshPartC.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<mMeshAsmC, mMeshDocC> meshAssemblyRegistrar(meshRegistry, mMeshAsmC::classKey, 4);

// Runs visit(member) for every "MESHMEM" of each assembly reached from first, and the part
// operation on every member part; member assemblies join the work list instead of recursing.
template <class assemblyT, class partT>
void walkAssemblies(metaTreeC* first, assemblyT forAssembly, partT forPart) {
  std::vector<metaTreeC*> pending{first};
  while (!pending.empty()) {
    metaTreeC* assembly = pending.back();
    pending.pop_back();
    forAssembly(assembly);
    metaTreeC* members = metaObjectC(assembly, 0).findOrCreateChildByKeyword("MESHMEMS");
    for (metaTreeC* member = members->firstChild; member; member = member->next) {
      if (!member->hasKeyword(mMeshMemberC::classKey)) continue;
      metaTreeC* document = mMeshMemberC(member, 0).getDocument().getNode();
      if (!document) continue;
      if (document->hasKeyword(mMeshAsmC::classKey)) pending.push_back(document);
      else forPart(document);
    }
  }
}

}  // namespace

void mMeshAsmC::setUnitBase(double newUnitBase, uint8_t flag) {
  if (!node || !std::isfinite(newUnitBase) || !(newUnitBase > 0.0)) return;
  walkAssemblies(
      node,
      [&](metaTreeC* assembly) {
        mMeshAsmC view(assembly, 0);
        const double old = meshUnitBase(assembly, "MESHASMPREFS");
        if (old == newUnitBase) return;
        const double s = old / newUnitBase;
        if (!std::isfinite(s) || !(s > 0.0)) return;
        metaTreeC* members = view.findOrCreateChildByKeyword("MESHMEMS");
        for (metaTreeC* member = members->firstChild; member; member = member->next)
          if (member->hasKeyword(mMeshMemberC::classKey))
            if (metaTreeC* placement = metaObjectC(member, 0).findChild(mObjMat4x4C::classKey))
              mObjMat4x4C(placement, 0).scaleTranslation(s);
        transformMeshSize(assembly, uniformScaling(s));
        view.getAsmPrefs().setUnitBase(newUnitBase);
      },
      [&](metaTreeC* part) { mMeshPartC(part, 0).setUnitBase(newUnitBase, flag); });
}

void mMeshAsmC::transform(const matrixC4x4<double>& matrix) {
  if (!node || !isFiniteMatrix(matrix)) return;
  walkAssemblies(
      node,
      [&](metaTreeC* assembly) {
        transformMeshSize(assembly, matrix);
        metaTreeC* members = metaObjectC(assembly, 0).findOrCreateChildByKeyword("MESHMEMS");
        for (metaTreeC* member = members->firstChild; member; member = member->next) {
          if (!member->hasKeyword(mMeshMemberC::classKey)) continue;
          mMeshMemberC view(member, 0);
          view.setMatrix(matrix * view.getMatrix());
        }
      },
      [&](metaTreeC* part) { mMeshPartC(part, 0).transform(matrix); });
}
