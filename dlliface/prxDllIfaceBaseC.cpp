#include "dlliface/prxDllIfaceBaseC.h"

#include "dlliface/prxDllIfaceFactoryC.h"
#include "proxy/factoryRows.h"

namespace {

constexpr auto rows = methodRows::rowTable(methodRows::factoryRow<prxDllIfaceFactoryC>());

}  // namespace

const proxyClassC prxDllIfaceBaseC::description = describe("class prxDllIfaceBaseC *", rows.data());
