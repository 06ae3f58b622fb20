#include "proxy/proxyTypeInfoC.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mzcom/mzIComMethodeTypeInfo.h"
#include "mzcom/mzIComObjectCollection.h"
#include "mzcom/mzIComPropertyTypeInfo.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"
#include "proxy/mzClassObjectCollectionT.h"
#include "tests/proxy/testProxies.h"

namespace {

// Slots of the type-information interfaces as a host calls them.
using queryInterfaceFn = uint32_t (*)(void* self, const mzIIDS* iid, void** out);
using countFn = uint32_t (*)(void* self);
using getMembersFn = uint32_t (*)(void* self, uint32_t mask, void** out);
using getMemberFn = uint32_t (*)(void* self, const char* name, uint32_t mask, void** out);
using getItemFn = uint32_t (*)(void* self, uint32_t index, void** out);
using u32OutFn = uint32_t (*)(void* self, uint32_t* out);
using i32OutFn = uint32_t (*)(void* self, int32_t* out);
using variantOutFn = uint32_t (*)(void* self, mzVariantS* out);

template <class F>
F slot(void* object, int index) {
  return reinterpret_cast<F>((*static_cast<void***>(object))[index]);
}

std::string textOf(const mzVariantS& v) {
  const char* text = nullptr;
  return v.getString(text) == 0 ? std::string(text) : std::string("<not a string>");
}

struct descriptionS {
  std::string kind;  // "method" or "property"
  std::string name;
  int32_t minArgs = -1;
  int32_t optionalArgs = -1;
  uint32_t access = 9;
};

descriptionS describe(mzIUnknown* item) {
  descriptionS description;
  void* out = nullptr;
  mzVariantS name;
  if (item->QueryInterface(mzIID_IMethodTypeInfo, &out) == 0) {
    auto* method = static_cast<mzIComMethodeTypeInfo*>(out);
    description.kind = "method";
    method->getName(&name);
    method->getMinArgs(&description.minArgs);
    method->getOptionalArgs(&description.optionalArgs);
    method->Release();
  } else if (item->QueryInterface(mzIID_IPropertyTypeInfo, &out) == 0) {
    auto* property = static_cast<mzIComPropertyTypeInfo*>(out);
    description.kind = "property";
    property->getName(&name);
    property->getAccess(&description.access);
    property->Release();
  }
  description.name = textOf(name);
  return description;
}

std::vector<descriptionS> members(mzIComTypeInfo* typeInfo, uint32_t mask) {
  mzIComObjectCollection* collection = nullptr;
  EXPECT_EQ(typeInfo->getMembers(mask, &collection), 0u);
  std::vector<descriptionS> found;
  uint32_t count = 0;
  collection->getCount(&count);
  for (uint32_t i = 0; i < count; ++i) {
    mzIUnknown* item = nullptr;
    collection->getItem(i, &item);
    found.push_back(describe(item));
    item->Release();
  }
  collection->Release();
  return found;
}

std::vector<std::string> namesOf(const std::vector<descriptionS>& found) {
  std::vector<std::string> names;
  for (const descriptionS& d : found) names.push_back(d.name);
  return names;
}

mzIComTypeInfo* typeInfoOf(proxyObjectC* proxy) {
  void* out = nullptr;
  EXPECT_EQ(proxy->QueryInterface(mzIIDS("mziidtypeinfo"), &out), 0u);
  return static_cast<mzIComTypeInfo*>(out);
}

}  // namespace

TEST(proxyTypeInfoC, ListsEachNameOnceInByteOrder) {
  auto* proxy = new testDerivedProxyC(1);
  mzIComTypeInfo* typeInfo = typeInfoOf(proxy);

  std::vector<descriptionS> reads = members(typeInfo, mzInvokePropertyGet);
  EXPECT_EQ(namesOf(reads), (std::vector<std::string>{"Child", "Count", "Extra", "Value"}));
  EXPECT_EQ(reads[1].access, 1u);
  EXPECT_EQ(reads[3].access, 0u);

  std::vector<descriptionS> methods = members(typeInfo, mzInvokeMethod);
  EXPECT_EQ(namesOf(methods), (std::vector<std::string>{"", "Any", "Crash", "Create", "Exit", "Fail", "FailBare",
                                                        "FailCom", "Item", "Peek", "Value", "createFromFile"}));
  EXPECT_EQ(methods[1].minArgs, 0);  // any number of arguments
  EXPECT_EQ(methods[1].optionalArgs, 0);
  EXPECT_EQ(methods[3].minArgs, 0);  // Create of 0 and 2 arguments
  EXPECT_EQ(methods[3].optionalArgs, 2);
  EXPECT_EQ(methods[8].minArgs, 1);  // Item of 1, 1 and 2
  EXPECT_EQ(methods[8].optionalArgs, 1);

  // A settable property: one method and two property descriptions.
  std::vector<descriptionS> all = members(typeInfo, 7);
  std::vector<std::string> valueKinds;
  for (const descriptionS& d : all)
    if (d.name == "Value") valueKinds.push_back(d.kind);
  EXPECT_EQ(valueKinds, (std::vector<std::string>{"method", "property", "property"}));
  EXPECT_TRUE(members(typeInfo, 8).empty());

  typeInfo->Release();
  EXPECT_EQ(proxy->Release(), 0u);
}

TEST(proxyTypeInfoC, FindsOneMemberByTheLowestKindAsked) {
  auto* proxy = new testBaseProxyC(1);
  mzIComTypeInfo* typeInfo = typeInfoOf(proxy);

  mzIUnknown* out = nullptr;
  ASSERT_EQ(typeInfo->getMember("vALUE", 6, &out), 0u);
  descriptionS value = describe(out);
  out->Release();
  EXPECT_EQ(value.kind, "property");
  EXPECT_EQ(value.name, "vALUE");  // the caller's text
  EXPECT_EQ(value.access, 0u);

  ASSERT_EQ(typeInfo->getMember("Value", 5, &out), 0u);
  EXPECT_EQ(describe(out).kind, "method");
  out->Release();

  mzIUnknown* untouched = reinterpret_cast<mzIUnknown*>(0x10);
  out = untouched;
  EXPECT_EQ(typeInfo->getMember("Any", 6, &out), 1u);
  EXPECT_EQ(typeInfo->getMember("Value", 8, &out), 1u);
  EXPECT_EQ(typeInfo->getMember("Missing", 1, &out), 1u);
  EXPECT_EQ(out, untouched);

  typeInfo->Release();
  EXPECT_EQ(proxy->Release(), 0u);
}

TEST(proxyTypeInfoC, DescriptionsKeepTheProxyAlive) {
  bool destroyed = false;
  auto* proxy = new testBaseProxyC(1);
  proxy->destroyed = &destroyed;
  mzIComTypeInfo* typeInfo = typeInfoOf(proxy);
  mzIComTypeInfo* another = typeInfoOf(proxy);
  EXPECT_NE(typeInfo, another);  // a new object for each request
  another->Release();
  mzIUnknown* description = nullptr;
  ASSERT_EQ(typeInfo->getMember("Count", 2, &description), 0u);

  EXPECT_EQ(proxy->Release(), 2u);
  typeInfo->Release();
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(describe(description).name, "Count");
  description->Release();
  EXPECT_TRUE(destroyed);
}

TEST(proxyTypeInfoC, WrappersAnswerTheirOwnIdentifierAndClearOutOtherwise) {
  auto* proxy = new testBaseProxyC(1);
  mzIComTypeInfo* typeInfo = typeInfoOf(proxy);
  void* out = nullptr;
  EXPECT_EQ(typeInfo->QueryInterface(mzIID_IUnknown, &out), 0u);
  EXPECT_EQ(out, static_cast<void*>(typeInfo));
  EXPECT_EQ(typeInfo->Release(), 1u);
  EXPECT_EQ(typeInfo->QueryInterface(mzIID_IDispatch, &out), 1u);
  EXPECT_EQ(out, nullptr);

  mzIComObjectCollection* collection = nullptr;
  typeInfo->getMembers(2, &collection);
  EXPECT_EQ(collection->QueryInterface(mzIIDS("MZCOMOBJCOLL"), &out), 0u);
  EXPECT_EQ(collection->Release(), 1u);
  EXPECT_EQ(collection->QueryInterface(mzIID_ITypeInfo, &out), 1u);
  uint32_t count = 0;
  collection->getCount(&count);
  mzIUnknown* untouched = reinterpret_cast<mzIUnknown*>(0x10);
  mzIUnknown* item = untouched;
  EXPECT_EQ(collection->getItem(count, &item), 1u);
  EXPECT_EQ(item, untouched);
  collection->Release();
  typeInfo->Release();
  proxy->Release();

  auto* slots = new mzClassObjectCollectionT<mzIUnknown>(2);
  slots->AddRef();
  EXPECT_EQ(slots->getCount(&count), 0u);
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(slots->getItem(1, &item), 0u);
  EXPECT_EQ(item, nullptr);
  slots->Release();
}

TEST(proxyTypeInfoC, PlainFunctionTableReachesEveryOperation) {
  auto* proxy = new testDerivedProxyC(1);
  void* object = static_cast<mzIDispatch*>(proxy);
  void* typeInfo = nullptr;
  ASSERT_EQ(slot<queryInterfaceFn>(object, 0)(object, &mzIID_ITypeInfo, &typeInfo), 0u);
  EXPECT_EQ(slot<countFn>(typeInfo, 1)(typeInfo), 2u);
  EXPECT_EQ(slot<countFn>(typeInfo, 2)(typeInfo), 1u);

  void* collection = nullptr;
  ASSERT_EQ(slot<getMembersFn>(typeInfo, 3)(typeInfo, mzInvokeMethod, &collection), 0u);
  uint32_t count = 0;
  EXPECT_EQ(slot<u32OutFn>(collection, 3)(collection, &count), 0u);
  EXPECT_EQ(count, 12u);
  void* method = nullptr;
  ASSERT_EQ(slot<getItemFn>(collection, 4)(collection, 3, &method), 0u);
  mzVariantS name;
  EXPECT_EQ(slot<variantOutFn>(method, 3)(method, &name), 0u);
  EXPECT_EQ(textOf(name), "Create");
  int32_t minArgs = -1;
  int32_t optionalArgs = -1;
  EXPECT_EQ(slot<i32OutFn>(method, 4)(method, &minArgs), 0u);
  EXPECT_EQ(slot<i32OutFn>(method, 5)(method, &optionalArgs), 0u);
  EXPECT_EQ(minArgs, 0);
  EXPECT_EQ(optionalArgs, 2);
  slot<countFn>(method, 2)(method);
  slot<countFn>(collection, 2)(collection);

  void* property = nullptr;
  ASSERT_EQ(slot<getMemberFn>(typeInfo, 4)(typeInfo, "Count", mzInvokePropertyGet, &property), 0u);
  EXPECT_EQ(slot<variantOutFn>(property, 3)(property, &name), 0u);
  EXPECT_EQ(textOf(name), "Count");
  uint32_t access = 0;
  EXPECT_EQ(slot<u32OutFn>(property, 4)(property, &access), 0u);
  EXPECT_EQ(access, 1u);
  slot<countFn>(property, 2)(property);

  slot<countFn>(typeInfo, 2)(typeInfo);
  EXPECT_EQ(proxy->Release(), 0u);
}
