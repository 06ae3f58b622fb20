#include "jobs/ini/prxmIniFileBaseC.h"

#include "proxy/factoryRows.h"
#include "jobs/ini/prxmIniFileObjectFactoryC.h"

namespace {

constexpr auto rows = methodRows::rowTable(methodRows::factoryRow<prxmIniFileObjectFactoryC>());

}  // namespace

const proxyClassC prxmIniFileBaseC::description = describe("class prxmIniFileBaseC *", rows.data());
