#include "jobs/webassistant/prxmWebAssistantJobC.h"

#include "proxy/fieldRows.h"
#include "jobs/webassistant/prxmWebAssistantFmtEntryC.h"

using namespace methodRows;

namespace {

using jobT = mAssistantJobC;

constexpr auto rows = rowTable(settableRows<&jobT::getOutpath, &jobT::setOutpath>("Outpath"),
                               settableRows<&jobT::getDocName, &jobT::setDocName>("DocName"),
                               settableRows<&jobT::getAssistantData, &jobT::setAssistantData>("AssistantData"),
                               childRow<prxmWebAssistantFmtListC, &jobT::getFormats>("Formats"));

}  // namespace

const proxyClassC prxmWebAssistantJobC::description = describeOverNodes("class prxmWebAssistantJobC *", rows.data());
