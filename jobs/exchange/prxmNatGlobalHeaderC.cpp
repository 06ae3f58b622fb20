#include "jobs/exchange/prxmNatGlobalHeaderC.h"

#include "proxy/fieldRows.h"
#include "jobs/exchange/mNatGlobalHeaderC.h"

using namespace methodRows;

namespace {

constexpr auto rows =
    rowTable(settableRows<&mNatGlobalHeaderC::getDestPrjDir, &mNatGlobalHeaderC::setDestPrjDir>("DestPrjDir"));

}  // namespace

const proxyClassC prxmNatGlobalHeaderC::description = describeOverNodes("class prxmNatGlobalHeaderC *", rows.data());
