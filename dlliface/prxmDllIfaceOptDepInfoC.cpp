#include "dlliface/prxmDllIfaceOptDepInfoC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using depT = mDllIfaceOptDepInfoC;

constexpr auto rows = rowTable(settableRows<&depT::getId, &depT::setId>("Id"),
                               settableRows<&depT::getStrValue, &depT::setStrValue>("StrValue"),
                               settableRows<&depT::getValue, &depT::setValue>("Value"));

}  // namespace

const proxyClassC prxmDllIfaceOptDepInfoC::description =
    describeOverNodes("class prxmDllIfaceOptDepInfoC *", rows.data());
