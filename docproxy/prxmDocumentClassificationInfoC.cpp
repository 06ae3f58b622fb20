#include "docproxy/prxmDocumentClassificationInfoC.h"

#include "docproxy/classificationProxyHandlers.h"
#include "docproxy/prxmDocumentClassificationIdInfoC.h"

namespace {

using self = prxmDocumentClassificationInfoC;
using view = mDocClassifyInfoC;
constexpr proxyMethodEntryS rows[] = {
    {"Name", mzInvokePropertyGet, 0, &classificationText<self, &view::getName>},
    {"ClassIdList", mzInvokePropertyGet, 0,
     &classificationList<self, prxmDocumentClassificationIdInfoC, &view::getClassIdList>},
    {},
};

}  // namespace

const proxyClassC prxmDocumentClassificationInfoC::description =
    describeOverNodes("class prxmDocumentClassificationInfoC *", rows);
