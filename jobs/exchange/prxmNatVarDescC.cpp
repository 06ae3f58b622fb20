#include "jobs/exchange/prxmNatVarDescC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using descT = pShellVarDescC;

constexpr auto rows = rowTable(settableRows<&descT::getType, &descT::setType>("Type"),
                               settableRows<&descT::getUnit, &descT::setUnit>("Unit"),
                               settableRows<&descT::getDesc, &descT::setDesc>("Desc"),
                               settableRows<&descT::getPrec, &descT::setPrec>("Prec"),
                               settableRows<&descT::getTabName, &descT::setTabName>("TabName"),
                               settableRows<&descT::getHidden, &descT::setHidden>("Hidden"));

}  // namespace

const proxyClassC prxmNatVarDescC::description = describeOverNodes("class prxmNatVarDescC *", rows.data());
