#include "jobs/exchange/prxmNatVarValueC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

constexpr auto rows = rowTable(settableRows<&pShellVarValueC::getValue, &pShellVarValueC::setValue>("Value"));

}  // namespace

const proxyClassC prxmNatVarValueC::description("class prxmNatVarValueC *", rows.data(), &prxmNatVarBaseC::description,
                                                &makeProxyOverNode<prxmNatVarValueC>);
