#include "proxy3d/meshes/prxm3dMeshPatchC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxVector3dC.h"
#include "model3d/meshes/mMeshPatchC.h"
#include "proxy3d/meshes/prxm3dMeshLists.h"

namespace {

constexpr char pointNumbersKey[] = "MPKNRS";
constexpr char normalNumbersKey[] = "MNORNRS";

void normal(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxVector3dC(0, mMeshPatchC(nodeOfProxy(native), 0).getNormal()));
}

constexpr proxyMethodEntryS rows[] = {
    {"PointNumbers", mzInvokePropertyGet, 0, &childProxy<prxmIntValueListC, pointNumbersKey>},
    {"NormalNumbers", mzInvokePropertyGet, 0, &childProxy<prxmIntValueListC, normalNumbersKey>},
    {"Normal", mzInvokeMethod, 0, &normal},
    {},
};

}  // namespace

const proxyClassC prxm3dMeshPatchC::description = describeOverNodes("class prxm3dMeshPatchC *", rows);
