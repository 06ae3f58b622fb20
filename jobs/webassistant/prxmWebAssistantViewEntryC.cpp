#include "jobs/webassistant/prxmWebAssistantViewEntryC.h"

#include "core/metaObjListStrContainerC.h"
#include "proxy/fieldRows.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

using viewT = mAssistantViewListEntryC;

constexpr auto rows = rowTable(settableRows<&viewT::getViewId, &viewT::setViewId>("ViewId"),
                               settableRows<&viewT::getViewNo, &viewT::setViewNo>("ViewNo"),
                               settableRows<&viewT::getViewName, &viewT::setViewName>("ViewName"),
                               childRow<prxmStringListC, &viewT::getFileNames>("FileNames"),
                               settableRows<&viewT::getErrMsg, &viewT::setErrMsg>("ErrMsg"));

}  // namespace

const proxyClassC prxmWebAssistantViewEntryC::description =
    describeOverNodes("class prxmWebAssistantViewEntryC *", rows.data());
