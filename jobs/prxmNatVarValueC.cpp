#include "jobs/prxmNatVarValueC.h"

#include "jobs/keyNodeFieldRows.h"

using namespace keyNodeFieldRows;

namespace {

constexpr auto rows = rowTable(settableRows<&pShellVarValueC::getValue, &pShellVarValueC::setValue>("Value"));

}  // namespace

const proxyClassC prxmNatVarValueC::description("class prxmNatVarValueC *", rows.data(), &prxmNatVarBaseC::description,
                                                &makeProxyOverNode<prxmNatVarValueC>);
