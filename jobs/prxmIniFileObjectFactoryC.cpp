#include "jobs/prxmIniFileObjectFactoryC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxmIniFileObjectFactoryC::description("class prxmIniFileObjectFactoryC *", rows,
                                                         &prxMetaObjectFactoryC::description);

prxmIniFileObjectFactoryC::prxmIniFileObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmIniFileObjectFactoryC::getNativePointer() { return this; }
