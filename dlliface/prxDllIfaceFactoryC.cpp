#include "dlliface/prxDllIfaceFactoryC.h"

#include "proxy/proxyProgIdC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxDllIfaceFactoryC::description("class prxDllIfaceFactoryC *", rows,
                                                   &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(9, "rudezaze.mdllifacefactory", &makeProxyWithoutReference<prxDllIfaceFactoryC>);

}  // namespace

prxDllIfaceFactoryC::prxDllIfaceFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxDllIfaceFactoryC::getNativePointer() { return this; }
