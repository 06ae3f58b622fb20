#include "jobs/prxmPSObjectFactoryC.h"

#include "proxy/proxyClassMethodTableC.h"

prxmPSObjectFactoryC::prxmPSObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxmPSObjectFactoryC::getTypeName() { return proxyTypeName; }

void* prxmPSObjectFactoryC::getNativePointer() { return this; }

const proxyMethodEntryS* prxmPSObjectFactoryC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
