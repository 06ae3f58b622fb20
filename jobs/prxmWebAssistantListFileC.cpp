#include "jobs/prxmWebAssistantListFileC.h"

#include "core/metaObjListStrContainerC.h"
#include "jobs/keyNodeFieldRows.h"
#include "jobs/prxmWebAssistantFmtEntryC.h"
#include "jobs/prxmWebAssistantListFileIdentC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

using namespace keyNodeFieldRows;

namespace {

using listFileT = mAssistantListFileC;
using stringListT = prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>;

constexpr auto rows = rowTable(childRow<prxmWebAssistantListFileIdentC, &listFileT::getIdent>("Ident"),
                               childRow<prxmWebAssistantFmtListC, &listFileT::getFormats>("Formats"),
                               childRow<stringListT, &listFileT::getErrorMsg>("ErrorMsg"),
                               childRow<stringListT, &listFileT::getCustomMsg>("CustomMsg"),
                               childRow<stringListT, &listFileT::getAssPartnames>("AssPartnames"));

}  // namespace

const proxyClassC prxmWebAssistantListFileC::description("class prxmWebAssistantListFileC *", rows.data(),
                                                         &prxmWebAssistantBaseC::description,
                                                         &makeProxyOverNode<prxmWebAssistantListFileC>);
