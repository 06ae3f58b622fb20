#include "dlliface/prxDllIfaceFactoryC.h"

#include "proxy/proxyClassMethodTableC.h"

prxDllIfaceFactoryC::prxDllIfaceFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxDllIfaceFactoryC::getTypeName() { return proxyTypeName; }

void* prxDllIfaceFactoryC::getNativePointer() { return this; }

const proxyMethodEntryS* prxDllIfaceFactoryC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
