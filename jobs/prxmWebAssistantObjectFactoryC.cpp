#include "jobs/prxmWebAssistantObjectFactoryC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxmWebAssistantObjectFactoryC::description("class prxmWebAssistantObjectFactoryC *", rows,
                                                              &prxMetaObjectFactoryC::description);

prxmWebAssistantObjectFactoryC::prxmWebAssistantObjectFactoryC(uint8_t takeReference)
    : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmWebAssistantObjectFactoryC::getNativePointer() { return this; }
