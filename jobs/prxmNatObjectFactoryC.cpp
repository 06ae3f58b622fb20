#include "jobs/prxmNatObjectFactoryC.h"

#include "proxy/proxyClassMethodTableC.h"

prxmNatObjectFactoryC::prxmNatObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxmNatObjectFactoryC::getTypeName() { return proxyTypeName; }

void* prxmNatObjectFactoryC::getNativePointer() { return this; }

const proxyMethodEntryS* prxmNatObjectFactoryC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
