#include "proxy3d/meshes/prxm3dMeshBaseC.h"

#include "proxy/factoryRows.h"
#include "proxy3d/prxm3dMeshFactoryC.h"

namespace {

constexpr auto rows = methodRows::rowTable(methodRows::factoryRow<prxm3dMeshFactoryC>());

}  // namespace

const proxyClassC prxm3dMeshBaseC::description = describeOverNodes("class prxm3dMeshBaseC *", rows);
