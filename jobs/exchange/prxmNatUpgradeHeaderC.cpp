#include "jobs/exchange/prxmNatUpgradeHeaderC.h"

#include "proxy/fieldRows.h"
#include "jobs/exchange/mNatUpgradeHeaderC.h"
#include "jobs/exchange/prxmNatUpgradeDocumentC.h"

using namespace methodRows;

namespace {

constexpr auto rows =
    rowTable(childRow<prxmNatUpgradeDocumentC, &mNatUpgradeHeaderC::getRootDocument>("RootDocument"));

}  // namespace

const proxyClassC prxmNatUpgradeHeaderC::description = describeOverNodes("class prxmNatUpgradeHeaderC *", rows.data());
