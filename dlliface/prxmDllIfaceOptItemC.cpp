#include "dlliface/prxmDllIfaceOptItemC.h"

#include "core/metaObjListStrContainerC.h"
#include "dlliface/prxmDllIfaceOptDepInfoC.h"
#include "dlliface/prxmDoubleValueListC.h"
#include "proxy/fieldRows.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

using optionT = mDllIfaceOptItemC;

constexpr auto rows = rowTable(settableRows<&optionT::getGroup, &optionT::setGroup>("Group"),
                               settableRows<&optionT::getStrValue, &optionT::setStrValue>("StrValue"),
                               settableRows<&optionT::getValue, &optionT::setValue>("Value"),
                               childRow<prxmDoubleValueListC, &optionT::getValues>("Values"),
                               childRow<prxmStringListC, &optionT::getStrValues>("StrValues"),
                               childRow<prxmDllIfaceOptDepListC, &optionT::getDeps>("Deps"));

}  // namespace

const proxyClassC prxmDllIfaceOptItemC::description = describeOverNodes("class prxmDllIfaceOptItemC *", rows.data());
