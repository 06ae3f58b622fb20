#include "proxy3d/prxm3dBaseC.h"

#include "proxy/factoryRows.h"
#include "proxy3d/prxm3dObjectFactoryC.h"

namespace {

constexpr auto rows = methodRows::rowTable(methodRows::factoryRow<prxm3dObjectFactoryC>());

}  // namespace

const proxyClassC prxm3dBaseC::description = describeOverNodes("class prxm3dBaseC *", rows);
