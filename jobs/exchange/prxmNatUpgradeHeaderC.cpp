#include "jobs/exchange/prxmNatUpgradeHeaderC.h"

#include "proxy/keyNodeFieldRows.h"
#include "jobs/exchange/mNatUpgradeHeaderC.h"
#include "jobs/exchange/prxmNatUpgradeDocumentC.h"

using namespace keyNodeFieldRows;

namespace {

constexpr auto rows =
    rowTable(childRow<prxmNatUpgradeDocumentC, &mNatUpgradeHeaderC::getRootDocument>("RootDocument"));

}  // namespace

const proxyClassC prxmNatUpgradeHeaderC::description = describeOverNodes("class prxmNatUpgradeHeaderC *", rows.data());
