#include "docproxy/prxmDocumentClassificationIdInfoC.h"

#include "docproxy/prxmDocumentClassificationVarInfoC.h"
#include "proxy/fieldRows.h"
#include "proxy/prxmObjListContainerTemplateC.h"

using namespace methodRows;

namespace {

// The lists are read-only.
constexpr uint32_t readOnlyList = 1;

using view = mDocClassifyIdInfoC;
using varListT = prxmObjListContainerTemplateC<prxmDocumentClassificationVarInfoC>;
constexpr auto rows = rowTable(readOnlyRow<&view::getClassId>("ClassId"),
                               childRow<varListT, &view::getClassVarList, readOnlyList>("ClassVarList"));

}  // namespace

const proxyClassC prxmDocumentClassificationIdInfoC::description =
    describeOverNodes("class prxmDocumentClassificationIdInfoC *", rows);
