#include "jobs/exchange/prxmNatBaseC.h"

#include "proxy/factoryRows.h"
#include "jobs/exchange/prxmNatObjectFactoryC.h"

namespace {

constexpr auto rows = methodRows::rowTable(methodRows::factoryRow<prxmNatObjectFactoryC>());

}  // namespace

const proxyClassC prxmNatBaseC::description = describeOverNodes("class prxmNatBaseC *", rows.data());
