#include "proxy3d/prxm3dMeshFactoryC.h"

#include "model3d/meshes/mMeshAsmC.h"
#include "model3d/meshes/mMeshPartC.h"
#include "proxy/factoryRows.h"
#include "proxy/proxyProgIdC.h"
#include "proxy3d/meshes/prxm3dMeshAsmC.h"
#include "proxy3d/meshes/prxm3dMeshPartC.h"

using namespace methodRows;

namespace {

constexpr auto rows = rowTable(classRowsWithoutKey<prxm3dMeshAsmC, mMeshAsmC::classKey, "meshasm">(),
                               classRowsWithoutKey<prxm3dMeshPartC, mMeshPartC::classKey, "meshpart">());

}  // namespace

proxyObjectC* createMeshFactory() { return new prxm3dMeshFactoryC(0); }

const proxyClassC prxm3dMeshFactoryC::description = describe("class prxm3dMeshFactoryC *", rows);

namespace {

const proxyProgIdC progId(4, "rudezaze.mmeshfactory", &makeProxyWithoutReference<prxm3dMeshFactoryC>);

}  // namespace
