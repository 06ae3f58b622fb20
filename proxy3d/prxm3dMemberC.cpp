#include "proxy3d/prxm3dMemberC.h"

#include "docproxy/finiteArguments.h"
#include "docproxy/nodeProxyHandlers.h"
#include "model3d/base/mObjMat4x4C.h"
#include "proxy/fieldRows.h"
#include "proxy3d/prxm3dAsmC.h"
#include "proxy3d/prxm3dPartC.h"
#include "proxy3d/prxmMat4x4C.h"

namespace {

constexpr const char* partKey = "PART";
constexpr const char* assemblyKey = "ASSEMBLY";

metaTreeC* documentChild(void* native, const char* key) {
  const metaTreeC* member = nodeOfProxy(native);
  for (metaTreeC* child = member ? member->firstChild : nullptr; child; child = child->next)
    if (child->hasKeyword(key)) return child;
  return nullptr;
}

template <const char* const& key>
void holdsDocument(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(documentChild(native, key) ? 1 : 0);
}

// The part when the member holds one, else the assembly, else nothing.
void document(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  if (metaTreeC* part = documentChild(native, partKey)) returnProxyOver<prxm3dPartC>(result, part);
  else if (metaTreeC* assembly = documentChild(native, assemblyKey)) returnProxyOver<prxm3dAsmC>(result, assembly);
}

void getMatrix(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<prxmMat4x4C>(result, metaObjectC(nodeOfProxy(native), 0).attributeNode(mObjMat4x4C::classKey));
}

// The whole matrix is read before "MAT" is touched; answers 1.
void putMatrix(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const matrixC4x4<double> matrix = finiteMatrix4x4Argument(arguments, 0);
  if (metaTreeC* member = nodeOfProxy(native))
    mObjMat4x4C(metaObjectC(member, 0).attributeNode(mObjMat4x4C::classKey), 0).setMatrix(matrix);
  result.setInt(1);
}

constexpr auto rows = methodRows::rowTable(
    methodRows::rowsOf({{"IsPartDocument", mzInvokeMethod, 0, &holdsDocument<partKey>},
                        {"IsAsmDocument", mzInvokeMethod, 0, &holdsDocument<assemblyKey>},
                        {"Document", mzInvokePropertyGet, 0, &document}}),
    methodRows::settableRows("Matrix", &getMatrix, &putMatrix));

}  // namespace

const proxyClassC prxm3dMemberC::description = describeOverNodes("class prxm3dMemberC *", rows);
