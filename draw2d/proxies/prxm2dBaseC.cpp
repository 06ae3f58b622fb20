#include "draw2d/proxies/prxm2dBaseC.h"

#include "draw2d/proxies/prxm2dObjectFactoryC.h"
#include "proxy/factoryRows.h"

namespace {

constexpr auto rows = methodRows::rowTable(methodRows::factoryRow<prxm2dObjectFactoryC>());

}  // namespace

const proxyClassC prxm2dBaseC::description = describeOverNodes("class prxm2dBaseC *", rows);
