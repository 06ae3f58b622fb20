#include "jobs/prxmWebAssistantObjectFactoryC.h"

#include "proxy/proxyProgIdC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxmWebAssistantObjectFactoryC::description("class prxmWebAssistantObjectFactoryC *", rows,
                                                              &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(7, "rudezaze.mwebassistantfactory",
                          &makeProxyWithoutReference<prxmWebAssistantObjectFactoryC>);

}  // namespace

prxmWebAssistantObjectFactoryC::prxmWebAssistantObjectFactoryC(uint8_t takeReference)
    : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmWebAssistantObjectFactoryC::getNativePointer() { return this; }
