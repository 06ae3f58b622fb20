#include "dlliface/prxmDllIfaceOptGroupC.h"

#include "docproxy/prxm2dPointC.h"
#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using groupT = mDllIfaceOptGroupC;

constexpr auto rows = rowTable(settableRows<&groupT::getId, &groupT::setId>("Id"),
                               settableRows<&groupT::getDesc, &groupT::setDesc>("Desc"),
                               childRow<prxm2dPointC, &groupT::getLogPos>("LogPos"),
                               childRow<prxm2dPointC, &groupT::getLogSize>("LogSize"));

}  // namespace

const proxyClassC prxmDllIfaceOptGroupC::description = describeOverNodes("class prxmDllIfaceOptGroupC *", rows.data());
