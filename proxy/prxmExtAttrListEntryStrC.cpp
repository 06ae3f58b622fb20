#include "proxy/prxmExtAttrListEntryStrC.h"

#include "core/mExtAttrStrC.h"

namespace {

void getValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributeOf<mExtAttrStrC>(native).getValue().c_str());
}

constexpr proxyMethodHandlerT putValue = &putAttributeText<mExtAttrStrC, &mExtAttrStrC::setValue>;

}  // namespace

prxmExtAttrListEntryStrC::prxmExtAttrListEntryStrC(const metaObjectC& source) : prxmExtAttrListEntryC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxmExtAttrListEntryStrC::getTypeName() { return proxyTypeName; }

void* prxmExtAttrListEntryStrC::getNativePointer() { return this; }

const proxyMethodEntryS* prxmExtAttrListEntryStrC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"Value", mzInvokePropertyGet, 0, &getValue},
      {"Value", mzInvokePropertyPut, 1, putValue},
      {"Value", mzInvokeMethod, 1, putValue},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
