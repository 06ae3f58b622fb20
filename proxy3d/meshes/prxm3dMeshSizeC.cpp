#include "proxy3d/meshes/prxm3dMeshSizeC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "proxy3d/prxm3dPointC.h"

namespace {

constexpr char minKey[] = "MINPK";
constexpr char maxKey[] = "MAXPK";

constexpr proxyMethodEntryS rows[] = {
    {"MinPoint", mzInvokePropertyGet, 0, &childProxy<prxm3dPointC, minKey>},
    {"MaxPoint", mzInvokePropertyGet, 0, &childProxy<prxm3dPointC, maxKey>},
    {},
};

}  // namespace

const proxyClassC prxm3dMeshSizeC::description = describeOverNodes("class prxm3dMeshSizeC *", rows);
