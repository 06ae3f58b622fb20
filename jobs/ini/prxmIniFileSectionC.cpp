#include "jobs/ini/prxmIniFileSectionC.h"

#include "proxy/fieldRows.h"
#include "jobs/ini/prxmIniFileSectionEntriesC.h"

using namespace methodRows;

namespace {

constexpr auto rows =
    rowTable(settableRows<&mIniSectionC::getName, &mIniSectionC::setName, putAnswerE::one>("Name"),
             childRow<prxmIniFileSectionEntriesC, &mIniSectionC::getEntries>("Entries"));

}  // namespace

const proxyClassC prxmIniFileSectionC::description = describeOverNodes("class prxmIniFileSectionC *", rows.data());
