#include "jobs/prxmIniFileObjectFactoryC.h"

#include "proxy/proxyClassMethodTableC.h"

prxmIniFileObjectFactoryC::prxmIniFileObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxmIniFileObjectFactoryC::getTypeName() { return proxyTypeName; }

void* prxmIniFileObjectFactoryC::getNativePointer() { return this; }

const proxyMethodEntryS* prxmIniFileObjectFactoryC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
