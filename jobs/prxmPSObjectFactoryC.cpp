#include "jobs/prxmPSObjectFactoryC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxmPSObjectFactoryC::description("class prxmPSObjectFactoryC *", rows,
                                                    &prxMetaObjectFactoryC::description);

prxmPSObjectFactoryC::prxmPSObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmPSObjectFactoryC::getNativePointer() { return this; }
