#include "jobs/prxmNatObjectFactoryC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxmNatObjectFactoryC::description("class prxmNatObjectFactoryC *", rows,
                                                     &prxMetaObjectFactoryC::description);

prxmNatObjectFactoryC::prxmNatObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmNatObjectFactoryC::getNativePointer() { return this; }
