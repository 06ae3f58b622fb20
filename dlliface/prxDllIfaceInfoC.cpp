#include "dlliface/prxDllIfaceInfoC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using infoT = mDllIfaceInfoC;

constexpr auto rows = rowTable(settableRows<&infoT::getName, &infoT::setName>("Name"),
                               settableRows<&infoT::getVersion, &infoT::setVersion>("Version"),
                               settableRows<&infoT::getDesc, &infoT::setDesc>("Desc"),
                               settableRows<&infoT::getDate, &infoT::setDate>("Date"));

}  // namespace

const proxyClassC prxDllIfaceInfoC::description = describeOverNodes("class prxDllIfaceInfoC *", rows.data());
