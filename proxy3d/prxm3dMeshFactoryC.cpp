#include "proxy3d/prxm3dMeshFactoryC.h"

#include "proxy/proxyProgIdC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxm3dMeshFactoryC::description = describe("class prxm3dMeshFactoryC *", rows);

namespace {

const proxyProgIdC progId(4, "rudezaze.mmeshfactory", &makeProxyWithoutReference<prxm3dMeshFactoryC>);

}  // namespace

