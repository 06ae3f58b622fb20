#include "jobs/prxmNatObjectFactoryC.h"

#include "proxy/proxyProgIdC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxmNatObjectFactoryC::description("class prxmNatObjectFactoryC *", rows,
                                                     &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(10, "rudezaze.mNatDocFactory", &makeProxyWithoutReference<prxmNatObjectFactoryC>);

}  // namespace

prxmNatObjectFactoryC::prxmNatObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmNatObjectFactoryC::getNativePointer() { return this; }
