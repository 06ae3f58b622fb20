#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mzcom/mzIComObjectCollection.h"
#include "mzcom/mzIIDConstants.h"
#include "proxy/mzClassObjectCollectionT.h"
#include "proxy/proxyTypeInfoC.h"
#include "tests/helpers/scriptCalls.h"
#include "tests/proxy/plainSlots.h"
#include "tests/proxy/testProxies.h"

using invokeTest::textOf;
using namespace plainSlots;

namespace {

// The type information is read as a host compiled elsewhere reads it: through the slots.
using getMembersFn = uint32_t (*)(void* self, uint32_t mask, void** out);
using getMemberFn = uint32_t (*)(void* self, const char* name, uint32_t mask, void** out);
using getItemFn = uint32_t (*)(void* self, uint32_t index, void** out);
using i32OutFn = uint32_t (*)(void* self, int32_t* out);

// "method name min optional" or "property name access".
std::string describe(void* item) {
  void* out = nullptr;
  mzVariantS name;
  std::string text;
  if (slot<queryInterfaceFn>(item, 0)(item, &mzIID_IMethodTypeInfo, &out) == 0) {
    int32_t minArgs = -1;
    int32_t optionalArgs = -1;
    slot<variantOutFn>(out, 3)(out, &name);
    slot<i32OutFn>(out, 4)(out, &minArgs);
    slot<i32OutFn>(out, 5)(out, &optionalArgs);
    text = "method " + textOf(name) + " " + std::to_string(minArgs) + " " + std::to_string(optionalArgs);
  } else if (slot<queryInterfaceFn>(item, 0)(item, &mzIID_IPropertyTypeInfo, &out) == 0) {
    uint32_t access = 9;
    slot<variantOutFn>(out, 3)(out, &name);
    slot<u32OutFn>(out, 4)(out, &access);
    text = "property " + textOf(name) + " " + std::to_string(access);
  }
  if (out) release(out);
  return text;
}

std::vector<std::string> members(void* typeInfo, uint32_t mask) {
  void* collection = nullptr;
  EXPECT_EQ(slot<getMembersFn>(typeInfo, 3)(typeInfo, mask, &collection), 0u);
  std::vector<std::string> found;
  uint32_t count = 0;
  slot<u32OutFn>(collection, 3)(collection, &count);
  for (uint32_t i = 0; i < count; ++i) {
    void* item = nullptr;
    slot<getItemFn>(collection, 4)(collection, i, &item);
    found.push_back(describe(item));
    release(item);
  }
  void* untouched = reinterpret_cast<void*>(0x10);
  void* item = untouched;
  EXPECT_EQ(slot<getItemFn>(collection, 4)(collection, count, &item), 1u);
  EXPECT_EQ(item, untouched);
  release(collection);
  return found;
}

std::string member(void* typeInfo, const char* name, uint32_t mask) {
  void* description = nullptr;
  if (slot<getMemberFn>(typeInfo, 4)(typeInfo, name, mask, &description) != 0) return "none";
  std::string text = describe(description);
  release(description);
  return text;
}

void* typeInfoOf(proxyObjectC* proxy) {
  void* out = nullptr;
  EXPECT_EQ(proxy->QueryInterface(mzIIDS("mziidtypeinfo"), &out), 0u);
  return out;
}

}  // namespace

TEST(proxyTypeInfoC, ListsEachNameOnceInByteOrder) {
  auto* proxy = new testDerivedProxyC(1);
  void* typeInfo = typeInfoOf(proxy);

  EXPECT_EQ(members(typeInfo, mzInvokePropertyGet),
            (std::vector<std::string>{"property Child 1", "property Count 1", "property Extra 1", "property Value 0"}));
  std::vector<std::string> methods = members(typeInfo, mzInvokeMethod);
  EXPECT_EQ(methods, (std::vector<std::string>{"method  0 1", "method Any 0 0", "method Crash 1 0", "method Create 0 2",
                                               "method Exit 0 0", "method Fail 0 0", "method FailBare 1 0",
                                               "method FailCom 1 0", "method Item 1 1", "method Peek 1 0",
                                               "method Value 1 0", "method createFromFile 1 0"}));

  // A settable property: one method and two property descriptions.
  std::vector<std::string> all = members(typeInfo, 7);
  EXPECT_EQ(std::vector<std::string>(all.end() - 4, all.end() - 1),
            (std::vector<std::string>{"method Value 1 0", "property Value 0", "property Value 0"}));
  EXPECT_TRUE(members(typeInfo, 8).empty());

  release(typeInfo);
  EXPECT_EQ(proxy->Release(), 0u);
}

TEST(proxyTypeInfoC, FindsOneMemberByTheLowestKindAsked) {
  auto* proxy = new testBaseProxyC(1);
  void* typeInfo = typeInfoOf(proxy);
  EXPECT_EQ(member(typeInfo, "vALUE", 6), "property vALUE 0");  // the caller's text
  EXPECT_EQ(member(typeInfo, "Value", 5), "method Value 1 0");
  EXPECT_EQ(member(typeInfo, "Any", 6), "none");
  EXPECT_EQ(member(typeInfo, "Value", 8), "none");
  EXPECT_EQ(member(typeInfo, "Missing", 1), "none");

  // Identifiers other than their own give 1 and a null out pointer.
  void* out = typeInfo;
  EXPECT_EQ(slot<queryInterfaceFn>(typeInfo, 0)(typeInfo, &mzIID_IDispatch, &out), 1u);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(slot<queryInterfaceFn>(typeInfo, 0)(typeInfo, &mzIID_IUnknown, &out), 0u);
  EXPECT_EQ(out, typeInfo);
  release(out);

  release(typeInfo);
  EXPECT_EQ(proxy->Release(), 0u);
}

TEST(proxyTypeInfoC, DescriptionsKeepTheProxyAlive) {
  bool destroyed = false;
  auto* proxy = new testBaseProxyC(1);
  proxy->destroyed = &destroyed;
  void* typeInfo = typeInfoOf(proxy);
  void* another = typeInfoOf(proxy);
  EXPECT_NE(typeInfo, another);  // a new object for each request
  release(another);
  void* description = nullptr;
  ASSERT_EQ(slot<getMemberFn>(typeInfo, 4)(typeInfo, "Count", 2, &description), 0u);

  EXPECT_EQ(proxy->Release(), 2u);
  release(typeInfo);
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(describe(description), "property Count 1");
  release(description);
  EXPECT_TRUE(destroyed);
}

TEST(mzClassObjectCollectionT, StartsWithEmptySlots) {
  auto* collection = new mzClassObjectCollectionT<mzIUnknown>(2);
  collection->AddRef();
  uint32_t count = 0;
  EXPECT_EQ(collection->getCount(&count), 0u);
  EXPECT_EQ(count, 2u);
  mzIUnknown* item = collection;
  EXPECT_EQ(collection->getItem(1, &item), 0u);
  EXPECT_EQ(item, nullptr);
  collection->Release();
}
