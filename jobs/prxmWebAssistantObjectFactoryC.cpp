#include "jobs/prxmWebAssistantObjectFactoryC.h"

#include "proxy/proxyClassMethodTableC.h"

prxmWebAssistantObjectFactoryC::prxmWebAssistantObjectFactoryC(uint8_t takeReference)
    : prxMetaObjectFactoryC(takeReference) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxmWebAssistantObjectFactoryC::getTypeName() { return proxyTypeName; }

void* prxmWebAssistantObjectFactoryC::getNativePointer() { return this; }

const proxyMethodEntryS* prxmWebAssistantObjectFactoryC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
