#include "jobs/ini/prxmIniFileBaseC.h"

#include "proxy/keyNodeFieldRows.h"
#include "jobs/ini/prxmIniFileObjectFactoryC.h"

namespace {

constexpr auto rows = keyNodeFieldRows::rowTable(keyNodeFieldRows::factoryRow<prxmIniFileObjectFactoryC>());

}  // namespace

const proxyClassC prxmIniFileBaseC::description = describe("class prxmIniFileBaseC *", rows.data());
