#include "proxy3d/prxm3dPartDetailLevelEntryC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "proxy/fieldRows.h"
#include "proxy/prxmStringListC.h"

namespace {

constexpr char nameKey[] = "NAME";
constexpr char excludedKey[] = "PARTLODEXCFEATLST";

void excludeFeatureList(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaTreeC* excluded = metaObjectC(nodeOfProxy(native), 0).attributeNode(excludedKey);
  returnObject(result, new prxmStringListC(metaObjListStrContainerC(excluded, 0)));
}

constexpr auto entryRows = methodRows::rowTable(
    methodRows::textAttributeRows<nameKey, methodRows::otherKindE::replace>("Name"),
    methodRows::rowsOf({{"ExcludeFeatureList", mzInvokePropertyGet, 0, &excludeFeatureList}}));

}  // namespace

const proxyClassC prxm3dPartDetailLevelEntryC::description =
    describeOverNodes("class prxm3dPartDetailLevelEntryC *", entryRows);
