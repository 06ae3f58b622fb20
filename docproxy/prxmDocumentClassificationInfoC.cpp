#include "docproxy/prxmDocumentClassificationInfoC.h"

#include "docproxy/prxmDocumentClassificationIdInfoC.h"
#include "proxy/proxyClassMethodTableC.h"
#include "proxy/prxmObjListContainerTemplateC.h"

namespace {

mDocClassifyInfoC& entryOf(void* native) { return proxyOf<prxmDocumentClassificationInfoC>(native).getObject(); }

void name(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(entryOf(native).getName().c_str());
}

void classIdList(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxmObjListContainerTemplateC<prxmDocumentClassificationIdInfoC>(entryOf(native).getClassIdList(), 1));
}

}  // namespace

prxmDocumentClassificationInfoC::prxmDocumentClassificationInfoC(const metaObjectC& source)
    : prxMetaObjectBaseTemplateC(source) {
  registerMethodTable(methodTable, buildMethodTable());
}

const proxyMethodEntryS* prxmDocumentClassificationInfoC::buildMethodTable() {
  static constexpr proxyMethodEntryS rows[] = {
      {"Name", mzInvokePropertyGet, 0, &name},
      {"ClassIdList", mzInvokePropertyGet, 0, &classIdList},
      {},
  };
  static const proxyClassMethodTableC table(rows);
  return table.getRows();
}
