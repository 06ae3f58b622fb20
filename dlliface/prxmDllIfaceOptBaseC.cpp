#include "dlliface/prxmDllIfaceOptBaseC.h"

#include "core/metaObjListStrContainerC.h"
#include "dlliface/prxmDllIfaceOptFileExtC.h"
#include "dlliface/prxmDoubleValueListC.h"
#include "proxy/fieldRows.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

using optionT = mDllIfaceOptBaseC;

// A missing TYP gives 0 and is not added.
void isBaseType(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(recordOf<optionT>(native).isBaseType() ? 1 : 0);
}

constexpr proxyMethodEntryS baseTypeRow[] = {{"isBaseType", mzInvokeMethod, 0, &isBaseType}};

constexpr auto rows = rowTable(integerRows<&optionT::getMinVal, &optionT::setMinVal>("MinVal"),
                               integerRows<&optionT::getMaxVal, &optionT::setMaxVal>("MaxVal"),
                               integerRows<&optionT::getNumLines, &optionT::setNumLines>("NumLines"),
                               integerRows<&optionT::getOrganizeAsList, &optionT::setOrganizeAsList>("OrganizeAsList"),
                               integerRows<&optionT::getStepVal, &optionT::setStepVal>("StepVal"),
                               settableRows<&optionT::getFormatMask, &optionT::setFormatMask>("FormatMask"),
                               settableRows<&optionT::getFileDlgCaption, &optionT::setFileDlgCaption>("FileDlgCaption"),
                               settableRows<&optionT::getFileDlgType, &optionT::setFileDlgType>("FileDlgType"),
                               settableRows<&optionT::getTyp, &optionT::setTyp>("Typ"),
                               settableRows<&optionT::getId, &optionT::setId>("Id"),
                               settableRows<&optionT::getDesc, &optionT::setDesc>("Desc"),
                               childRow<prxmDoubleValueListC, &optionT::getValueMap>("ValueMap"),
                               childRow<prxmStringListC, &optionT::getStringMap>("StringMap"),
                               childRow<prxmStringListC, &optionT::getStringDescMap>("StringDescMap"),
                               childRow<prxmStringListC, &optionT::getBitmapDescMap>("BitmapDescMap"),
                               childRow<prxmDllIfaceOptFileExtListC, &optionT::getFileExtList>("FileExtList"),
                               rowsOf(baseTypeRow));

}  // namespace

const proxyClassC prxmDllIfaceOptBaseC::description = describe("class prxmDllIfaceOptBaseC *", rows.data());
