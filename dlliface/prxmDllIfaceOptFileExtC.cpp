#include "dlliface/prxmDllIfaceOptFileExtC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using extT = mDllIfaceOptFileExtC;

constexpr auto rows = rowTable(settableRows<&extT::getExt, &extT::setExt>("Ext"),
                               settableRows<&extT::getDesc, &extT::setDesc>("Desc"));

}  // namespace

const proxyClassC prxmDllIfaceOptFileExtC::description =
    describeOverNodes("class prxmDllIfaceOptFileExtC *", rows.data());
