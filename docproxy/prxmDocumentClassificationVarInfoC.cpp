#include "docproxy/prxmDocumentClassificationVarInfoC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using view = mDocClassifyVarInfoC;
constexpr auto rows = rowTable(readOnlyRow<&view::getVarId>("VarId"), readOnlyRow<&view::getTabVar>("TabVar"),
                               readOnlyRow<&view::getValue>("Value"));

}  // namespace

const proxyClassC prxmDocumentClassificationVarInfoC::description =
    describeOverNodes("class prxmDocumentClassificationVarInfoC *", rows);
