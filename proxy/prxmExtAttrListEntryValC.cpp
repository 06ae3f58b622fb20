#include "proxy/prxmExtAttrListEntryValC.h"

#include "core/mExtAttrValC.h"

namespace {

// 0 when the value is missing or not a number.
void getValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setDouble(attributeOf<mExtAttrValC>(native).getValue());
}

void putValue(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  double value = numberArgument(arguments, 0);
  attributeOf<mExtAttrValC>(native).setValue(value);
  returnObject(result, &proxyOf<prxmExtAttrListEntryC>(native));
}

}  // namespace

prxmExtAttrListEntryValC::prxmExtAttrListEntryValC(const metaObjectC& source) : prxmExtAttrListEntryC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxmExtAttrListEntryValC::getTypeName() { return proxyTypeName; }

void* prxmExtAttrListEntryValC::getNativePointer() { return this; }

const proxyMethodEntryS* prxmExtAttrListEntryValC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"Value", mzInvokePropertyGet, 0, &getValue},
      {"Value", mzInvokePropertyPut, 1, &putValue},
      {"Value", mzInvokeMethod, 1, &putValue},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
