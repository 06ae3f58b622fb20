#include "proxy/prxMetaObjectFactoryC.h"

#include "core/mExtAttrStrC.h"
#include "core/mExtAttrValC.h"
#include "core/mExtAttrVarC.h"
#include "proxy/proxyAutoParaListC.h"
#include "proxy/proxyAutoTypeCastC.h"
#include "proxy/proxyClassMethodTableC.h"

namespace {

template <const char* const& classKey>
void keyOf(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(classKey);
}

}  // namespace

prxMetaObjectFactoryC::prxMetaObjectFactoryC(uint8_t takeReference) : proxyObjectC(buildMethodTable(), takeReference) {}

const char* prxMetaObjectFactoryC::getTypeName() { return proxyTypeName; }

void* prxMetaObjectFactoryC::getNativePointer() { return this; }

const proxyMethodEntryS* prxMetaObjectFactoryC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"keyextattrstr", mzInvokeMethod, 0, &keyOf<mExtAttrStrC::classKey>},
      {"keyextattrval", mzInvokeMethod, 0, &keyOf<mExtAttrValC::classKey>},
      {"keyextattrvar", mzInvokeMethod, 0, &keyOf<mExtAttrVarC::classKey>},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}

prxMetaObjectFactoryC* createMetaObjectFactory() { return new prxMetaObjectFactoryC(0); }
