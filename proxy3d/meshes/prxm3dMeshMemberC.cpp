#include "proxy3d/meshes/prxm3dMeshMemberC.h"

#include "core/metaTreeC.h"
#include "docproxy/nodeProxyHandlers.h"
#include "model3d/base/mObjMat4x4C.h"
#include "model3d/meshes/mMeshAsmC.h"
#include "model3d/meshes/mMeshMemberC.h"
#include "model3d/meshes/mMeshPartC.h"
#include "proxy3d/meshes/prxm3dMeshAsmC.h"
#include "proxy3d/meshes/prxm3dMeshPartC.h"
#include "proxy3d/prxmMat4x4C.h"

namespace {

constexpr char matrixKey[] = "MAT";

template <const char* const& key>
void holdsDocument(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(mMeshMemberC(nodeOfProxy(native), 0).findChild(key) ? 1 : 0);
}

// The document the model moves with the member: its assembly when it holds one, else its
// part, else nothing.
void document(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaTreeC* node = mMeshMemberC(nodeOfProxy(native), 0).getDocument().getNode();
  if (!node) return;
  if (node->hasKeyword(mMeshAsmC::classKey)) returnProxyOver<prxm3dMeshAsmC>(result, node);
  else returnProxyOver<prxm3dMeshPartC>(result, node);
}

constexpr proxyMethodEntryS rows[] = {
    {"IsMeshPartDocument", mzInvokeMethod, 0, &holdsDocument<mMeshPartC::classKey>},
    {"IsMeshAsmDocument", mzInvokeMethod, 0, &holdsDocument<mMeshAsmC::classKey>},
    {"Document", mzInvokePropertyGet, 0, &document},
    {"Matrix", mzInvokePropertyGet, 0, &childProxy<prxmMat4x4C, matrixKey>},
    {},
};

}  // namespace

const proxyClassC prxm3dMeshMemberC::description = describeOverNodes("class prxm3dMeshMemberC *", rows);
