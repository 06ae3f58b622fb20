#include "proxy3d/prxm3dPartC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "proxy3d/prxm3dFeaturesC.h"

namespace {

constexpr char itemsKey[] = "ITEMS";

constexpr proxyMethodEntryS partRows[] = {
    {"Features", mzInvokePropertyGet, 0, &childProxy<prxm3dFeaturesC, itemsKey>},
    {},
};

}  // namespace

const proxyClassC prxm3dPartC::description = describeOverNodes("class prxm3dPartC *", partRows);
