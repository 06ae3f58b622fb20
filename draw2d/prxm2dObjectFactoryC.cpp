#include "draw2d/prxm2dObjectFactoryC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxm2dObjectFactoryC::description("class prxm2dObjectFactoryC *", rows,
                                                    &prxMetaObjectFactoryC::description);

prxm2dObjectFactoryC::prxm2dObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxm2dObjectFactoryC::getNativePointer() { return this; }
