#include "docproxy/prxmDocumentClassificationInfoC.h"

#include "docproxy/classificationProxyHandlers.h"
#include "docproxy/prxmDocumentClassificationIdInfoC.h"
#include "proxy/proxyClassMethodTableC.h"

prxmDocumentClassificationInfoC::prxmDocumentClassificationInfoC(const metaObjectC& source)
    : prxMetaObjectBaseTemplateC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const proxyMethodEntryS* prxmDocumentClassificationInfoC::buildMethodTable() {
  using self = prxmDocumentClassificationInfoC;
  using view = mDocClassifyInfoC;
  static constexpr proxyMethodEntryS rows[] = {
      {"Name", mzInvokePropertyGet, 0, &classificationText<self, &view::getName>},
      {"ClassIdList", mzInvokePropertyGet, 0,
       &classificationList<self, prxmDocumentClassificationIdInfoC, &view::getClassIdList>},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
