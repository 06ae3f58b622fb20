#include "docproxy/prxmDocumentClassificationVarInfoC.h"

#include "proxy/proxyClassMethodTableC.h"

namespace {

using textGetterT = str (mDocClassifyVarInfoC::*)();

template <textGetterT getter>
void text(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  mDocClassifyVarInfoC& variable = proxyOf<prxmDocumentClassificationVarInfoC>(native).getObject();
  result.setString((variable.*getter)().c_str());
}

}  // namespace

prxmDocumentClassificationVarInfoC::prxmDocumentClassificationVarInfoC(const metaObjectC& source)
    : prxMetaObjectBaseTemplateC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const proxyMethodEntryS* prxmDocumentClassificationVarInfoC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"VarId", mzInvokePropertyGet, 0, &text<&mDocClassifyVarInfoC::getVarId>},
      {"TabVar", mzInvokePropertyGet, 0, &text<&mDocClassifyVarInfoC::getTabVar>},
      {"Value", mzInvokePropertyGet, 0, &text<&mDocClassifyVarInfoC::getValue>},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
