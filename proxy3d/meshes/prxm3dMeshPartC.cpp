#include "proxy3d/meshes/prxm3dMeshPartC.h"

#include "docproxy/finiteArguments.h"
#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxmDocumentPrefsC.h"
#include "model3d/meshes/mMeshPartC.h"
#include "proxy3d/meshes/prxm3dMeshLists.h"

namespace {

constexpr char patchesKey[] = "MESHPATCHES";
constexpr char normalsKey[] = "MESH3DNORS";
constexpr char pointsKey[] = "MESH3DPKS";
constexpr char prefsKey[] = "MESHPARTPREFS";

// The matrix is read whole before the part changes; answers the part.
void transf(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const matrixC4x4<double> matrix = finiteMatrix4x4Argument(arguments, 0);
  mMeshPartC(nodeOfProxy(native), 0).transform(matrix);
  returnObject(result, &proxyOf<prxm3dMeshPartC>(native));
}

constexpr proxyMethodEntryS rows[] = {
    {"MeshPatches", mzInvokePropertyGet, 0, &childProxy<prxm3dMeshPatchesC, patchesKey>},
    {"Normals", mzInvokePropertyGet, 0, &childProxy<prxm3dPointListC, normalsKey>},
    {"Points", mzInvokePropertyGet, 0, &childProxy<prxm3dPointListC, pointsKey>},
    {"transf", mzInvokeMethod, 1, &transf},
    {"PartPrefs", mzInvokePropertyGet, 0, &childProxy<prxmDocumentPrefsC, prefsKey>},
    {},
};

}  // namespace

const proxyClassC prxm3dMeshPartC::description = describeOverNodes("class prxm3dMeshPartC *", rows);
