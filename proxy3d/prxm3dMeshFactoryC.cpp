#include "proxy3d/prxm3dMeshFactoryC.h"

#include "proxy/proxyClassMethodTableC.h"

prxm3dMeshFactoryC::prxm3dMeshFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxm3dMeshFactoryC::getTypeName() { return proxyTypeName; }

void* prxm3dMeshFactoryC::getNativePointer() { return this; }

const proxyMethodEntryS* prxm3dMeshFactoryC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
