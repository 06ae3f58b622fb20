#include "docproxy/prxmExtAttrLanguageIdentC.h"

#include "proxy/proxyClassMethodTableC.h"
#include "proxy/proxyHandlerArguments.h"

namespace {

// The string value of the node; "" when it holds none.
void language(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaTreeC* node = proxyOf<prxmExtAttrLanguageIdentC>(native).getObject().getNode();
  result.setString(mExtAttrLanguageIdentC(node, 0).getLanguage().c_str());
}

}  // namespace

prxmExtAttrLanguageIdentC::prxmExtAttrLanguageIdentC(const metaObjectC& source) : prxMetaObjectBaseC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const proxyMethodEntryS* prxmExtAttrLanguageIdentC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"", mzInvokeMethod, 0, &language},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
