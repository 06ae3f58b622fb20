#include "jobs/prxmNatUpgradeHeaderC.h"

#include "jobs/keyNodeFieldRows.h"
#include "jobs/mNatUpgradeHeaderC.h"
#include "jobs/prxmNatUpgradeDocumentC.h"

using namespace keyNodeFieldRows;

namespace {

constexpr auto rows =
    rowTable(childRow<prxmNatUpgradeDocumentC, &mNatUpgradeHeaderC::getRootDocument>("RootDocument"));

}  // namespace

const proxyClassC prxmNatUpgradeHeaderC::description("class prxmNatUpgradeHeaderC *", rows.data(),
                                                     &prxmNatBaseC::description,
                                                     &makeProxyOverNode<prxmNatUpgradeHeaderC>);
