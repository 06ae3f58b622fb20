#include "docproxy/prxmExtAttrListC.h"

#include "proxy/proxyClassMethodTableC.h"
#include "proxy/proxyHandlerArguments.h"

namespace {

// The first attribute whose name equals the text without regard to case; nothing, and no
// error, when none does.
void findEntry(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str name = textArgument(arguments, 0);
  mExtAttrListC list(proxyOf<prxmExtAttrListC>(native).getObject().getNode(), 0);
  mExtAttrBaseC found = list.findByName(name.c_str());
  if (found.isValid()) returnObject(result, new prxmExtAttrListEntryC(metaObjectC(found.getNode(), 0)));
}

}  // namespace

prxmExtAttrListC::prxmExtAttrListC(const metaObjectC& source) : prxmObjListContainerTemplateC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const proxyMethodEntryS* prxmExtAttrListC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"FindEntry", mzInvokeMethod, 1, &findEntry},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
