#include "jobs/prxmIniFileBaseC.h"

#include "jobs/keyNodeFieldRows.h"
#include "jobs/prxmIniFileObjectFactoryC.h"

namespace {

constexpr auto rows = keyNodeFieldRows::rowTable(keyNodeFieldRows::factoryRow<prxmIniFileObjectFactoryC>());

}  // namespace

const proxyClassC prxmIniFileBaseC::description("class prxmIniFileBaseC *", rows.data(),
                                                &prxMetaObjectBaseC::description);
