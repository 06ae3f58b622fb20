#include "jobs/exchange/prxmNatVarValueC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

constexpr auto rows = rowTable(settableRows<&pShellVarValueC::getValue, &pShellVarValueC::setValue>("Value"));

}  // namespace

const proxyClassC prxmNatVarValueC::description = describeOverNodes("class prxmNatVarValueC *", rows.data());
