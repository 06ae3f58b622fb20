#include "jobs/ini/prxmIniFileSectionEntryC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

constexpr auto rows = rowTable(settableRows<&mIniEntryC::getKey, &mIniEntryC::setKey, putAnswerE::one>("Key"),
                               settableRows<&mIniEntryC::getText, &mIniEntryC::setText, putAnswerE::one>("Text"));

}  // namespace

const proxyClassC prxmIniFileSectionEntryC::description =
    describeOverNodes("class prxmIniFileSectionEntryC *", rows.data());
