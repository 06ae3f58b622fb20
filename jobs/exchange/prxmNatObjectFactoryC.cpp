#include "jobs/exchange/prxmNatObjectFactoryC.h"

#include <string_view>

#include "jobs/exchange/mNatHeaderC.h"
#include "jobs/exchange/mNatUpgradeHeaderC.h"
#include "jobs/exchange/prxmNatCheckinDocumentC.h"
#include "jobs/exchange/prxmNatCheckoutDocumentC.h"
#include "jobs/exchange/prxmNatHeaderC.h"
#include "jobs/exchange/prxmNatUpgradeDocumentC.h"
#include "jobs/exchange/prxmNatUpgradeHeaderC.h"
#include "platform/asciiCase.h"
#include "proxy/createListByName.h"
#include "proxy/proxyProgIdC.h"
#include "proxy/prxFactoryClassConvention.h"

namespace {

constexpr const char* const& documentKey = mNatDocumentRootC::classKey;
constexpr const char* const& headerKey = mNatHeaderC::classKey;
constexpr const char* const& upgradeKey = mNatUpgradeHeaderC::classKey;

// A new record by name in any letter case, holding only its root, owned; any other name is
// the meta-object factory's, since a call this row completes never reaches that one.
proxyObjectC* createRecord(const char* text) {
  std::string_view name(text);
  if (asciiCase::equal(name, "prxmnatdoc")) return new prxmNatHeaderC(mNatHeaderC::create(0).getNode(), 1);
  if (asciiCase::equal(name, "prxmnatupgradedoc"))
    return new prxmNatUpgradeHeaderC(mNatUpgradeHeaderC::create(0).getNode(), 1);
  if (asciiCase::equal(name, "prxmnatcheckindoc"))
    return new prxmNatCheckinDocumentC(mNatDocumentRootC::create(0).getNode(), 1);
  if (asciiCase::equal(name, "prxmnatcheckoutdoc"))
    return new prxmNatCheckoutDocumentC(mNatDocumentRootC::create(0).getNode(), 1);
  return createListByName(text);
}

void create(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str name = textArgument(arguments, 0);
  returnObject(result, createRecord(name.c_str()));
}

constexpr proxyMethodEntryS rows[] = {
    {"toCheckoutDocument", mzInvokeMethod, 1, &toMember<prxmNatCheckoutDocumentC, documentKey>},
    {"isCheckoutDocument", mzInvokeMethod, 1, &isMember<documentKey>},
    {"keyCheckoutDocument", mzInvokeMethod, 0, &keyMember<documentKey>},
    {"toCheckinDocument", mzInvokeMethod, 1, &toMember<prxmNatCheckinDocumentC, documentKey>},
    {"isCheckinDocument", mzInvokeMethod, 1, &isMember<documentKey>},
    {"keyCheckinDocument", mzInvokeMethod, 0, &keyMember<documentKey>},
    {"toUpgradeDocument", mzInvokeMethod, 1, &toMember<prxmNatUpgradeDocumentC, documentKey>},
    {"isUpgradeDocument", mzInvokeMethod, 1, &isMember<documentKey>},
    {"keyUpgradeDocument", mzInvokeMethod, 0, &keyMember<documentKey>},
    {"toNativeDocument", mzInvokeMethod, 1, &toMember<prxmNatHeaderC, headerKey>},
    {"isNativeDocument", mzInvokeMethod, 1, &isMember<headerKey>},
    {"keyNativeDocument", mzInvokeMethod, 0, &keyMember<headerKey>},
    {"toNativeUpgradeDocument", mzInvokeMethod, 1, &toMember<prxmNatUpgradeHeaderC, upgradeKey>},
    {"isNativeUpgradeDocument", mzInvokeMethod, 1, &isMember<upgradeKey>},
    {"keyNativeUpgradeDocument", mzInvokeMethod, 0, &keyMember<upgradeKey>},
    {"Create", mzInvokeMethod, 1, &create},
    {},
};

}  // namespace

const proxyClassC prxmNatObjectFactoryC::description("class prxmNatObjectFactoryC *", rows,
                                                     &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(10, "rudezaze.mNatDocFactory", &makeProxyWithoutReference<prxmNatObjectFactoryC>);

}  // namespace

prxmNatObjectFactoryC::prxmNatObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmNatObjectFactoryC::getNativePointer() { return this; }
