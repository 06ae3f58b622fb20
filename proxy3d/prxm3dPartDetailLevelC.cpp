#include "proxy3d/prxm3dPartDetailLevelC.h"

#include "docproxy/mathArgumentConversion.h"
#include "docproxy/nodeProxyHandlers.h"
#include "model3d/detailLevels/m3dPartDetailLevelC.h"
#include "model3d/features/m3dPartItemsC.h"
#include "mzcom/mzComEngineFactoryClient.h"
#include "mzcom/mzForeignCall.h"
#include "mzcom/mzIComNativePointer.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"
#include "proxy/fieldRows.h"
#include "proxy/prxFactoryClassConvention.h"
#include "proxy3d/prxm3dFeaturesC.h"
#include "proxy3d/prxm3dPartDetailLevelEntriesC.h"

namespace {

constexpr char selectedNameKey[] = "SELLODNAME";
constexpr char entriesKey[] = "PARTLODENTS";

m3dPartDetailLevelC levelsOf(void* native) { return m3dPartDetailLevelC(nodeOfProxy(native), 0); }

void getDetailLevel(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* name = textArgument(arguments, 0);
  returnProxyOver<prxm3dPartDetailLevelEntryC>(result, levelsOf(native).findEntry(name).getNode());
}

// A host array made by class name, given each level's name by its "add"; nothing when the
// host makes none. A name the array refuses is passed over.
void getDetailLevelNames(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  void* made = nullptr;
  if (createInstanceByName("rudezaze.array", mzIID_IDispatch, &made) != 0 || !made) return;
  const mzSmartPtr<mzIDispatch> array(static_cast<mzIDispatch*>(made), false);
  const nameListC names = levelsOf(native).getEntryNames();
  for (uint32_t i = 0; i < names.elementCount; ++i) {
    mzVariantS name(names[i].c_str());
    mzVariantS answer;
    invokeByName(array, "add", mzInvokeMethod, 1, &name, &answer);
  }
  result.setDispatch(array.get());
}

// The feature list the object stands for, following its default members; the cast
// exception when the chain ends elsewhere or runs too long.
prxm3dFeaturesC& featureListArgument(proxyAutoParaListC& arguments, int index) {
  const mzSmartPtr<mzIDispatch> list = nativeProxyCast<prxm3dFeaturesC>(objectArgument(arguments, index));
  void* pointer = nullptr;
  if (!list || list->QueryInterface(mzIID_IComNativePointer, &pointer) != 0 || !pointer) throwTypeCastException();
  const mzSmartPtr<mzIComNativePointer> nativePointer(static_cast<mzIComNativePointer*>(pointer), false);
  void* object = nullptr;
  if (nativePointer->getNativePointer(&object) != 0 || !object) throwTypeCastException();
  return *static_cast<prxm3dFeaturesC*>(object);
}

void recalcWithDetailLevel(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str name = textArgument(arguments, 0);
  prxm3dFeaturesC& features = featureListArgument(arguments, 1);
  m3dPartItemsC items(features.getObject().getNode(), 0);
  result.setInt(levelsOf(native).recalcWithDetailLevel(name.c_str(), items));
}

constexpr auto levelRows = methodRows::rowTable(
    methodRows::textAttributeRows<selectedNameKey, methodRows::otherKindE::replace>("SelectedDetailName"),
    methodRows::rowsOf({{"DetailLevels", mzInvokePropertyGet, 0, &childProxy<prxm3dPartDetailLevelEntriesC, entriesKey>},
                        {"GetDetailLevel", mzInvokeMethod, 1, &getDetailLevel},
                        {"GetDetailLevelNames", mzInvokeMethod, 0, &getDetailLevelNames},
                        {"RecalcWithDetailLevel", mzInvokeMethod, 2, &recalcWithDetailLevel}}));

}  // namespace

const proxyClassC prxm3dPartDetailLevelC::description = describeOverNodes("class prxm3dPartDetailLevelC *", levelRows);
