#include "jobs/webassistant/prxmWebAssistantFmtEntryC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using formatT = mAssistantFMTListEntryC;

constexpr auto rows = rowTable(settableRows<&formatT::getFormatId, &formatT::setFormatId>("FormatId"),
                               settableRows<&formatT::getCadFormat, &formatT::setCadFormat>("CadFormat"),
                               settableRows<&formatT::getVersion, &formatT::setVersion>("Version"),
                               childRow<prxmWebAssistantViewListC, &formatT::getViews>("Views"));

}  // namespace

const proxyClassC prxmWebAssistantFmtEntryC::description =
    describeOverNodes("class prxmWebAssistantFmtEntryC *", rows.data());
