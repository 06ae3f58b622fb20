#include "docproxy/prxMathBaseC.h"

#include "docproxy/mathProxyHandlers.h"
#include "docproxy/prxMathFactoryC.h"
#include "proxy/proxyClassMethodTableC.h"

namespace {

void getFactory(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { returnObject(result, new prxMathFactoryC()); }

}  // namespace

prxMathBaseC::prxMathBaseC(uint8_t takeReference) : proxyObjectC(buildMethodTable(), takeReference) {}

const char* prxMathBaseC::getTypeName() { return proxyTypeName; }

void* prxMathBaseC::getNativePointer() { return this; }

const proxyMethodEntryS* prxMathBaseC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"Factory", mzInvokePropertyGet, 0, &getFactory},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
