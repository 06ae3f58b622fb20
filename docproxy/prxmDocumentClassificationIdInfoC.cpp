#include "docproxy/prxmDocumentClassificationIdInfoC.h"

#include "docproxy/prxmDocumentClassificationVarInfoC.h"
#include "proxy/proxyClassMethodTableC.h"
#include "proxy/prxmObjListContainerTemplateC.h"

namespace {

mDocClassifyIdInfoC& entryOf(void* native) { return proxyOf<prxmDocumentClassificationIdInfoC>(native).getObject(); }

void classId(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(entryOf(native).getClassId().c_str());
}

void classVarList(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result,
               new prxmObjListContainerTemplateC<prxmDocumentClassificationVarInfoC>(entryOf(native).getClassVarList(), 1));
}

}  // namespace

prxmDocumentClassificationIdInfoC::prxmDocumentClassificationIdInfoC(const metaObjectC& source)
    : prxMetaObjectBaseTemplateC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const proxyMethodEntryS* prxmDocumentClassificationIdInfoC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"ClassId", mzInvokePropertyGet, 0, &classId},
      {"ClassVarList", mzInvokePropertyGet, 0, &classVarList},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
