#include "jobs/exchange/prxmNatObjectFactoryC.h"

#include "jobs/exchange/mNatHeaderC.h"
#include "jobs/exchange/mNatUpgradeHeaderC.h"
#include "jobs/exchange/prxmNatCheckinDocumentC.h"
#include "jobs/exchange/prxmNatCheckoutDocumentC.h"
#include "jobs/exchange/prxmNatHeaderC.h"
#include "jobs/exchange/prxmNatUpgradeDocumentC.h"
#include "jobs/exchange/prxmNatUpgradeHeaderC.h"
#include "proxy/createListByName.h"
#include "proxy/factoryRows.h"
#include "proxy/proxyProgIdC.h"

using namespace methodRows;

namespace {

constexpr const char* const& documentKey = mNatDocumentRootC::classKey;
constexpr const char* const& headerKey = mNatHeaderC::classKey;
constexpr const char* const& upgradeKey = mNatUpgradeHeaderC::classKey;

proxyObjectC* newHeader() { return new prxmNatHeaderC(mNatHeaderC::create(0).getNode(), 1); }

proxyObjectC* newUpgradeHeader() { return new prxmNatUpgradeHeaderC(mNatUpgradeHeaderC::create(0).getNode(), 1); }

proxyObjectC* newCheckinDocument() { return new prxmNatCheckinDocumentC(mNatDocumentRootC::create(0).getNode(), 1); }

proxyObjectC* newCheckoutDocument() {
  return new prxmNatCheckoutDocumentC(mNatDocumentRootC::create(0).getNode(), 1);
}

// Each a new record holding only its root, owned; any other name is the meta-object
// factory's, since a call this row completes never reaches that one.
constexpr namedMakerS recordMakers[] = {
    {"prxmnatdoc", &newHeader},
    {"prxmnatupgradedoc", &newUpgradeHeader},
    {"prxmnatcheckindoc", &newCheckinDocument},
    {"prxmnatcheckoutdoc", &newCheckoutDocument},
};

constexpr auto rows = rowTable(classRows<prxmNatCheckoutDocumentC, documentKey, "CheckoutDocument">(),
                               classRows<prxmNatCheckinDocumentC, documentKey, "CheckinDocument">(),
                               classRows<prxmNatUpgradeDocumentC, documentKey, "UpgradeDocument">(),
                               classRows<prxmNatHeaderC, headerKey, "NativeDocument">(),
                               classRows<prxmNatUpgradeHeaderC, upgradeKey, "NativeUpgradeDocument">(),
                               createRow<recordMakers, &createListByName>("Create"));

}  // namespace

const proxyClassC prxmNatObjectFactoryC::description = describe("class prxmNatObjectFactoryC *", rows);

namespace {

const proxyProgIdC progId(10, "rudezaze.mNatDocFactory", &makeProxyWithoutReference<prxmNatObjectFactoryC>);

}  // namespace

