#include "docproxy/prxmDocumentClassificationIdInfoC.h"

#include "docproxy/classificationProxyHandlers.h"
#include "docproxy/prxmDocumentClassificationVarInfoC.h"

namespace {

using self = prxmDocumentClassificationIdInfoC;
using view = mDocClassifyIdInfoC;
constexpr proxyMethodEntryS rows[] = {
    {"ClassId", mzInvokePropertyGet, 0, &classificationText<self, &view::getClassId>},
    {"ClassVarList", mzInvokePropertyGet, 0,
     &classificationList<self, prxmDocumentClassificationVarInfoC, &view::getClassVarList>},
    {},
};

}  // namespace

const proxyClassC prxmDocumentClassificationIdInfoC::description =
    describeOverNodes("class prxmDocumentClassificationIdInfoC *", rows);
