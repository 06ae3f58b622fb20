#include "jobs/prxmWebAssistantListFileC.h"

#include "core/metaObjListStrContainerC.h"
#include "jobs/keyNodeFieldRows.h"
#include "jobs/prxmWebAssistantFmtEntryC.h"
#include "jobs/prxmWebAssistantListFileIdentC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace keyNodeFieldRows;

namespace {

using listFileT = mAssistantListFileC;

constexpr auto rows = rowTable(childRow<prxmWebAssistantListFileIdentC, &listFileT::getIdent>("Ident"),
                               childRow<prxmWebAssistantFmtListC, &listFileT::getFormats>("Formats"),
                               childRow<prxmStringListC, &listFileT::getErrorMsg>("ErrorMsg"),
                               childRow<prxmStringListC, &listFileT::getCustomMsg>("CustomMsg"),
                               childRow<prxmStringListC, &listFileT::getAssPartnames>("AssPartnames"));

}  // namespace

const proxyClassC prxmWebAssistantListFileC::description("class prxmWebAssistantListFileC *", rows.data(),
                                                         &prxmWebAssistantBaseC::description,
                                                         &makeProxyOverNode<prxmWebAssistantListFileC>);
