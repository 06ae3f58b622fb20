#include "dlliface/prxDllIfaceCustomDataC.h"

#include "dlliface/prxDllIfaceOptPageListC.h"
#include "proxy/fieldRows.h"
#include "jobs/ini/prxmIniFileSectionEntriesC.h"

using namespace methodRows;

namespace {

using customT = mDllIfaceCustomDataC;

constexpr auto rows = rowTable(childRow<prxmIniFileSectionEntriesC, &customT::getSectionEntries>("SectionEntries"),
                               childRow<prxDllIfaceOptPageListC, &customT::getTransferOptions>("TransferOptions"),
                               childRow<prxDllIfaceOptPageListC, &customT::getGlobalOptions>("GlobalOptions"));

}  // namespace

const proxyClassC prxDllIfaceCustomDataC::description =
    describeOverNodes("class prxDllIfaceCustomDataC *", rows.data());
