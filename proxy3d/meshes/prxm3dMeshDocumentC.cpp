#include "proxy3d/meshes/prxm3dMeshDocumentC.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxmDocumentC.h"
#include "model3d/meshes/mMeshAsmC.h"
#include "model3d/meshes/mMeshDocC.h"
#include "proxy/fieldRows.h"
#include "proxy3d/meshes/prxm3dMeshSizeC.h"

namespace {

constexpr char sizeKey[] = "MESHSIZE";

// The unit base the document's preferences store; 1 for a node of no mesh class.
double storedMeshUnitBase(const metaTreeC* node) {
  if (!node) return 1.0;
  return meshUnitBase(node, node->hasKeyword(mMeshAsmC::classKey) ? "MESHASMPREFS" : "MESHPARTPREFS");
}

// A unit base of 0, below 0 or not finite, or one whose ratio to the stored one is not
// finite, fails as an argument of the wrong type does: nothing changes. A second argument is
// not read.
void adjustDocumentUnitBase(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double unitBase = finiteNumberArgument(arguments, 0);
  metaTreeC* node = nodeOfProxy(native);
  if (!(unitBase > 0.0) || !std::isfinite(storedMeshUnitBase(node) / unitBase)) throwTypeCastException();
  mMeshDocC(node, 0).setUnitBase(unitBase, 1);
  result.setInt(1);
}

constexpr auto rows = methodRows::rowTable(
    methodRows::textAttributeRows<documentKeys::name, methodRows::otherKindE::replace>("Name"),
    methodRows::rowsOf({{"Size", mzInvokePropertyGet, 0, &childProxy<prxm3dMeshSizeC, sizeKey>},
                        {"AdjustDocumentUnitBase", mzInvokeMethod, 1, &adjustDocumentUnitBase},
                        {"AdjustDocumentUnitBase", mzInvokeMethod, 2, &adjustDocumentUnitBase}}));

}  // namespace

const proxyClassC prxm3dMeshDocumentC::description = describeOverNodes("class prxm3dMeshDocumentC *", rows);
