#include "docproxy/prxmDocumentClassificationInfoC.h"

#include "docproxy/prxmDocumentClassificationIdInfoC.h"
#include "proxy/fieldRows.h"
#include "proxy/prxmObjListContainerTemplateC.h"

using namespace methodRows;

namespace {

// The lists are read-only.
constexpr uint32_t readOnlyList = 1;

using view = mDocClassifyInfoC;
using idListT = prxmObjListContainerTemplateC<prxmDocumentClassificationIdInfoC>;
constexpr auto rows = rowTable(readOnlyRow<&view::getName>("Name"),
                               childRow<idListT, &view::getClassIdList, readOnlyList>("ClassIdList"));

}  // namespace

const proxyClassC prxmDocumentClassificationInfoC::description =
    describeOverNodes("class prxmDocumentClassificationInfoC *", rows);
