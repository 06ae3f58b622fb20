#include "docproxy/prxmDocumentClassificationVarInfoC.h"

#include "docproxy/classificationProxyHandlers.h"
#include "proxy/proxyClassMethodTableC.h"

prxmDocumentClassificationVarInfoC::prxmDocumentClassificationVarInfoC(const metaObjectC& source)
    : prxMetaObjectBaseTemplateC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const proxyMethodEntryS* prxmDocumentClassificationVarInfoC::buildMethodTable() {
  using self = prxmDocumentClassificationVarInfoC;
  using view = mDocClassifyVarInfoC;
  static constexpr proxyMethodEntryS rows[] = {
      {"VarId", mzInvokePropertyGet, 0, &classificationText<self, &view::getVarId>},
      {"TabVar", mzInvokePropertyGet, 0, &classificationText<self, &view::getTabVar>},
      {"Value", mzInvokePropertyGet, 0, &classificationText<self, &view::getValue>},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
