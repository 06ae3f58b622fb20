#include "dlliface/prxDllIfaceFactoryC.h"

namespace {

constexpr proxyMethodEntryS rows[] = {
    {},
};

}  // namespace

const proxyClassC prxDllIfaceFactoryC::description("class prxDllIfaceFactoryC *", rows,
                                                   &prxMetaObjectFactoryC::description);

prxDllIfaceFactoryC::prxDllIfaceFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxDllIfaceFactoryC::getNativePointer() { return this; }
