#include "docproxy/prxmDocumentClassificationIdInfoC.h"

#include "docproxy/classificationProxyHandlers.h"
#include "docproxy/prxmDocumentClassificationVarInfoC.h"
#include "proxy/proxyClassMethodTableC.h"

prxmDocumentClassificationIdInfoC::prxmDocumentClassificationIdInfoC(const metaObjectC& source)
    : prxMetaObjectBaseTemplateC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const proxyMethodEntryS* prxmDocumentClassificationIdInfoC::buildMethodTable() {
  using self = prxmDocumentClassificationIdInfoC;
  using view = mDocClassifyIdInfoC;
  static constexpr proxyMethodEntryS rows[] = {
      {"ClassId", mzInvokePropertyGet, 0, &classificationText<self, &view::getClassId>},
      {"ClassVarList", mzInvokePropertyGet, 0,
       &classificationList<self, prxmDocumentClassificationVarInfoC, &view::getClassVarList>},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
