#include "proxy3d/prxm3dObjectFactoryC.h"

#include "proxy/proxyClassMethodTableC.h"

prxm3dObjectFactoryC::prxm3dObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxm3dObjectFactoryC::getTypeName() { return proxyTypeName; }

void* prxm3dObjectFactoryC::getNativePointer() { return this; }

const proxyMethodEntryS* prxm3dObjectFactoryC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
