#include "jobs/prxmWebAssistantViewEntryC.h"

#include "core/metaObjListStrContainerC.h"
#include "jobs/keyNodeFieldRows.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

using namespace keyNodeFieldRows;

namespace {

using viewT = mAssistantViewListEntryC;
using stringListT = prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>;

constexpr auto rows = rowTable(settableRows<&viewT::getViewId, &viewT::setViewId>("ViewId"),
                               settableRows<&viewT::getViewNo, &viewT::setViewNo>("ViewNo"),
                               settableRows<&viewT::getViewName, &viewT::setViewName>("ViewName"),
                               childRow<stringListT, &viewT::getFileNames>("FileNames"),
                               settableRows<&viewT::getErrMsg, &viewT::setErrMsg>("ErrMsg"));

}  // namespace

const proxyClassC prxmWebAssistantViewEntryC::description("class prxmWebAssistantViewEntryC *", rows.data(),
                                                          &prxmWebAssistantBaseC::description,
                                                          &makeProxyOverNode<prxmWebAssistantViewEntryC>);
