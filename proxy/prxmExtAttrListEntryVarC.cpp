#include "proxy/prxmExtAttrListEntryVarC.h"

#include "core/mExtAttrVarC.h"

namespace {

void getValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributeOf<mExtAttrVarC>(native).getValue().c_str());
}

void putValue(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str text = textArgument(arguments, 0);
  attributeOf<mExtAttrVarC>(native).setValue(text.c_str());
  returnObject(result, &proxyOf<prxmExtAttrListEntryC>(native));
}

void getType(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(attributeOf<mExtAttrVarC>(native).getType().c_str());
}

void putType(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str text = textArgument(arguments, 0);
  attributeOf<mExtAttrVarC>(native).setType(text.c_str());
  returnObject(result, &proxyOf<prxmExtAttrListEntryC>(native));
}

}  // namespace

prxmExtAttrListEntryVarC::prxmExtAttrListEntryVarC(const metaObjectC& source) : prxmExtAttrListEntryC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const char* prxmExtAttrListEntryVarC::getTypeName() { return proxyTypeName; }

void* prxmExtAttrListEntryVarC::getNativePointer() { return this; }

const proxyMethodEntryS* prxmExtAttrListEntryVarC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"Value", mzInvokePropertyGet, 0, &getValue},
      {"Value", mzInvokePropertyPut, 1, &putValue},
      {"Value", mzInvokeMethod, 1, &putValue},
      {"Type", mzInvokePropertyGet, 0, &getType},
      {"Type", mzInvokePropertyPut, 1, &putType},
      {"Type", mzInvokeMethod, 1, &putType},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
