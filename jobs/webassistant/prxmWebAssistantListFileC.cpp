#include "jobs/webassistant/prxmWebAssistantListFileC.h"

#include "core/metaObjListStrContainerC.h"
#include "proxy/fieldRows.h"
#include "jobs/webassistant/prxmWebAssistantFmtEntryC.h"
#include "jobs/webassistant/prxmWebAssistantListFileIdentC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

using listFileT = mAssistantListFileC;

constexpr auto rows = rowTable(childRow<prxmWebAssistantListFileIdentC, &listFileT::getIdent>("Ident"),
                               childRow<prxmWebAssistantFmtListC, &listFileT::getFormats>("Formats"),
                               childRow<prxmStringListC, &listFileT::getErrorMsg>("ErrorMsg"),
                               childRow<prxmStringListC, &listFileT::getCustomMsg>("CustomMsg"),
                               childRow<prxmStringListC, &listFileT::getAssPartnames>("AssPartnames"));

}  // namespace

const proxyClassC prxmWebAssistantListFileC::description =
    describeOverNodes("class prxmWebAssistantListFileC *", rows.data());
