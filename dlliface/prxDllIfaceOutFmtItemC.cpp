#include "dlliface/prxDllIfaceOutFmtItemC.h"

#include "core/metaObjListStrContainerC.h"
#include "dlliface/prxDllIfaceOptPageListC.h"
#include "proxy/fieldRows.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

using formatT = mOutFormatItemC;

constexpr auto rows = rowTable(settableRows<&formatT::getOutputMode, &formatT::setOutputMode>("OutputMode"),
                               childRow<prxmStringListC, &formatT::getVersions>("Versions"),
                               childRow<prxmStringListC, &formatT::getVersionsDesc>("VersionsDesc"),
                               settableRows<&formatT::getScanMode, &formatT::setScanMode>("ScanMode"),
                               settableRows<&formatT::getDetectMode, &formatT::setDetectMode>("DetectMode"),
                               settableRows<&formatT::getCosts, &formatT::setCosts>("Costs"),
                               childRow<prxDllIfaceOptPageListC, &formatT::getTransferOptions>("TransferOptions"),
                               childRow<prxDllIfaceOptPageListC, &formatT::getGlobalOptions>("GlobalOptions"));

}  // namespace

const proxyClassC prxDllIfaceOutFmtItemC::description =
    describeOverNodes("class prxDllIfaceOutFmtItemC *", rows.data());
