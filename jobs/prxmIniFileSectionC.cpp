#include "jobs/prxmIniFileSectionC.h"

#include "jobs/keyNodeFieldRows.h"
#include "jobs/prxmIniFileSectionEntriesC.h"

using namespace keyNodeFieldRows;

namespace {

constexpr auto rows =
    rowTable(settableRows<&mIniSectionC::getName, &mIniSectionC::setName, putAnswerE::one>("Name"),
             childRow<prxmIniFileSectionEntriesC, &mIniSectionC::getEntries>("Entries"));

}  // namespace

const proxyClassC prxmIniFileSectionC::description("class prxmIniFileSectionC *", rows.data(),
                                                   &prxmIniFileBaseC::description,
                                                   &makeProxyOverNode<prxmIniFileSectionC>);
