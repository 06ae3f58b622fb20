#include "draw2d/prxm2dObjectFactoryC.h"

#include "proxy/proxyClassMethodTableC.h"

prxm2dObjectFactoryC::prxm2dObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxm2dObjectFactoryC::getTypeName() { return proxyTypeName; }

void* prxm2dObjectFactoryC::getNativePointer() { return this; }

const proxyMethodEntryS* prxm2dObjectFactoryC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
