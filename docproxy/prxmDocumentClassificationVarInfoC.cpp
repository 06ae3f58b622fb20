#include "docproxy/prxmDocumentClassificationVarInfoC.h"

#include "docproxy/classificationProxyHandlers.h"

namespace {

using self = prxmDocumentClassificationVarInfoC;
using view = mDocClassifyVarInfoC;
constexpr proxyMethodEntryS rows[] = {
    {"VarId", mzInvokePropertyGet, 0, &classificationText<self, &view::getVarId>},
    {"TabVar", mzInvokePropertyGet, 0, &classificationText<self, &view::getTabVar>},
    {"Value", mzInvokePropertyGet, 0, &classificationText<self, &view::getValue>},
    {},
};

}  // namespace

const proxyClassC prxmDocumentClassificationVarInfoC::description =
    describeOverNodes("class prxmDocumentClassificationVarInfoC *", rows);
