#include "proxy3d/prxm3dFeaturesC.h"

#include "core/metaTreeReaderC.h"
#include "docproxy/nodeProxyHandlers.h"
#include "model3d/features/m3dPartItemsC.h"
#include "proxy/finiteNumberArgument.h"
#include "proxy/proxyExceptions.h"

namespace {

// The "ITEMS" node; the list is no prxMetaObjectBaseC, so nodeOfProxy does not apply.
metaTreeC* itemsNode(void* native) { return proxyOf<prxm3dFeaturesC>(native).getObject().getNode(); }

m3dPartItemsC itemsOf(void* native) { return m3dPartItemsC(itemsNode(native), 0); }

// By name only: a number fails the text conversion, so Item(i) falls to the list's index row.
void itemByName(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* name = textArgument(arguments, 0);
  returnProxyOver<prxm3dGenFeatureC>(result, itemsOf(native).findFeatureByName(name).getNode());
}

// A text that would not read back as that one key word changes nothing and fails as an
// argument that does not convert.
void addFeature(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* key = textArgument(arguments, 0);
  if (!metaTreeReaderC::isKeyword(key)) throwTypeCastException();
  metaTreeC* items = itemsNode(native);
  returnProxyOver<prxm3dGenFeatureC>(result, items ? metaTreeC::appendWordChild(items, key) : nullptr);
}

void existsFeatureType(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* key = textArgument(arguments, 0);
  result.setInt(itemsOf(native).findFeatureByType(key).isValid() ? 1 : 0);
}

void splitFeaturePatterns(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(itemsOf(native).splitFeaturePatterns());
}

// The mode, then any number of class keys; every argument is converted before a feature is
// touched. No argument at all answers 0.
void acceptFeatures(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  if (arguments.getCount() == 0) {
    result.setInt(0);
    return;
  }
  const int32_t mode = finiteIntegerArgument(arguments, 0);
  nameListC keys;
  for (uint32_t i = 1; i < arguments.getCount(); ++i) *keys.newElement() = textArgument(arguments, int(i));
  result.setInt(itemsOf(native).acceptFeatures(mode, keys));
}

constexpr proxyMethodEntryS featureRows[] = {
    {"Item", mzInvokeMethod, 1, &itemByName},
    {"Add", mzInvokeMethod, 1, &addFeature},
    {"ExistsFeatureType", mzInvokeMethod, 1, &existsFeatureType},
    {"SplitFeaturePatterns", mzInvokeMethod, 0, &splitFeaturePatterns},
    {"acceptFeatures", mzInvokeMethod, proxyAnyArgumentCount, &acceptFeatures},
    {},
};

}  // namespace

const proxyClassC prxm3dFeaturesC::description = describeOverNodes("class prxm3dFeaturesC *", featureRows);
