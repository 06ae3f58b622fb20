#include "jobs/prxmNatGlobalHeaderC.h"

#include "jobs/keyNodeFieldRows.h"
#include "jobs/mNatGlobalHeaderC.h"

using namespace keyNodeFieldRows;

namespace {

constexpr auto rows =
    rowTable(settableRows<&mNatGlobalHeaderC::getDestPrjDir, &mNatGlobalHeaderC::setDestPrjDir>("DestPrjDir"));

}  // namespace

const proxyClassC prxmNatGlobalHeaderC::description("class prxmNatGlobalHeaderC *", rows.data(),
                                                    &prxmNatBaseC::description,
                                                    &makeProxyOverNode<prxmNatGlobalHeaderC>);
