#include "draw2d/prxm2dObjectFactoryC.h"

#include "proxy/proxyProgIdC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxm2dObjectFactoryC::description("class prxm2dObjectFactoryC *", rows,
                                                    &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(2, "rudezaze.m2dfactory", &makeProxyWithoutReference<prxm2dObjectFactoryC>);

}  // namespace

prxm2dObjectFactoryC::prxm2dObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxm2dObjectFactoryC::getNativePointer() { return this; }
