#include "jobs/ini/prxmIniFileSectionEntryC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

constexpr auto rows = rowTable(settableRows<&mIniEntryC::getKey, &mIniEntryC::setKey, putAnswerE::one>("Key"),
                               settableRows<&mIniEntryC::getText, &mIniEntryC::setText, putAnswerE::one>("Text"));

}  // namespace

const proxyClassC prxmIniFileSectionEntryC::description("class prxmIniFileSectionEntryC *", rows.data(),
                                                        &prxmIniFileBaseC::description,
                                                        &makeProxyOverNode<prxmIniFileSectionEntryC>);
