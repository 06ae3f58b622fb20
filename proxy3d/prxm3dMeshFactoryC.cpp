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

prxm3dMeshFactoryC::prxm3dMeshFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxm3dMeshFactoryC::getNativePointer() { return this; }
