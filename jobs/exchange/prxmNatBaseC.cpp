#include "jobs/exchange/prxmNatBaseC.h"

#include "proxy/keyNodeFieldRows.h"
#include "jobs/exchange/prxmNatObjectFactoryC.h"

namespace {

constexpr auto rows = keyNodeFieldRows::rowTable(keyNodeFieldRows::factoryRow<prxmNatObjectFactoryC>());

}  // namespace

const proxyClassC prxmNatBaseC::description = describeOverNodes("class prxmNatBaseC *", rows.data());
