#include "jobs/exchange/prxmNatVarBaseC.h"

#include "proxy/fieldRows.h"
#include "jobs/exchange/pShellVarC.h"

using namespace methodRows;

namespace {

using variableT = pShellVarC;

constexpr auto rows = rowTable(settableRows<&variableT::getName, &variableT::setName>("Name"),
                               settableRows<&variableT::getDeleted, &variableT::setDeleted>("Deleted"));

}  // namespace

const proxyClassC prxmNatVarBaseC::description = describeOverNodes("class prxmNatVarBaseC *", rows.data());
