#include "jobs/prxmPSObjectFactoryC.h"

#include "proxy/proxyProgIdC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxmPSObjectFactoryC::description("class prxmPSObjectFactoryC *", rows,
                                                    &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(8, "rudezaze.mpartserverfactory", &makeProxyWithoutReference<prxmPSObjectFactoryC>);

}  // namespace

prxmPSObjectFactoryC::prxmPSObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmPSObjectFactoryC::getNativePointer() { return this; }
