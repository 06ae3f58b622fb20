#include "dlliface/prxDllIfaceBaseC.h"

#include "dlliface/prxDllIfaceFactoryC.h"
#include "proxy/keyNodeFieldRows.h"

namespace {

constexpr auto rows = keyNodeFieldRows::rowTable(keyNodeFieldRows::factoryRow<prxDllIfaceFactoryC>());

}  // namespace

const proxyClassC prxDllIfaceBaseC::description = describe("class prxDllIfaceBaseC *", rows.data());
