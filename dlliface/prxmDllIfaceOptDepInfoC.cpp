#include "dlliface/prxmDllIfaceOptDepInfoC.h"

#include "dlliface/optionFieldRows.h"
#include "proxy/keyNodeFieldRows.h"

using namespace keyNodeFieldRows;
using optionFieldRows::doubleRows;

namespace {

using depT = mDllIfaceOptDepInfoC;

constexpr auto rows = rowTable(settableRows<&depT::getId, &depT::setId>("Id"),
                               settableRows<&depT::getStrValue, &depT::setStrValue>("StrValue"),
                               doubleRows<&depT::getValue, &depT::setValue>("Value"));

}  // namespace

const proxyClassC prxmDllIfaceOptDepInfoC::description =
    describeOverNodes("class prxmDllIfaceOptDepInfoC *", rows.data());
