#include "proxy3d/prxm3dGenFeatureC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "proxy/fieldRows.h"

namespace {

constexpr char nameKey[] = "NAME";

// The neighbouring node whatever its key word; nothing past either end.
void nextFeature(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const metaTreeC* feature = nodeOfProxy(native);
  returnProxyOver<prxm3dGenFeatureC>(result, feature ? feature->next : nullptr);
}

void previousFeature(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const metaTreeC* feature = nodeOfProxy(native);
  returnProxyOver<prxm3dGenFeatureC>(result, feature ? feature->previous : nullptr);
}

// Takes the feature out of its list and deletes it; the proxy keeps the detached node. A node
// outside every list (none, a document's root, one deleted before) is left alone.
void deleteFeature(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaTreeC* feature = nodeOfProxy(native);
  if (feature && feature->parent) {
    metaTreeC::unlink(feature);
    ++metaTreeChangeCounter;
    metaTreeC::deleteTree(feature);
  }
  result.setInt(1);
}

constexpr auto rows = methodRows::rowTable(
    methodRows::textAttributeRows<nameKey, methodRows::otherKindE::replace>("Name"),
    methodRows::rowsOf({{"NextFeature", mzInvokePropertyGet, 0, &nextFeature},
                        {"PrevFeature", mzInvokePropertyGet, 0, &previousFeature},
                        {"Delete", mzInvokeMethod, 0, &deleteFeature}}));

}  // namespace

const proxyClassC prxm3dGenFeatureC::description = describeOverNodes("class prxm3dGenFeatureC *", rows);
