#include "proxy3d/prxm3dMeshFactoryC.h"

#include "proxy/proxyProgIdC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxm3dMeshFactoryC::description("class prxm3dMeshFactoryC *", rows,
                                                  &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(4, "rudezaze.mmeshfactory", &makeProxyWithoutReference<prxm3dMeshFactoryC>);

}  // namespace

