// The 3D factory as a host lists it through its type information, and its class tests over
// objects of the host.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "mzcom/mzIComMethodeTypeInfo.h"
#include "mzcom/mzIComObjectCollection.h"
#include "mzcom/mzIComTypeInfo.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

namespace {

class m3dFactoryTypeInfo : public poolBalancedTest {};

// The descriptions getMembers gives for the mask: "name min optional" for a method, "property"
// for anything else.
std::vector<std::string> members(const dispatchT& object, uint32_t mask) {
  void* typeInfo = nullptr;
  EXPECT_EQ(object->QueryInterface(mzIID_ITypeInfo, &typeInfo), 0u);
  mzSmartPtr<mzIComTypeInfo> info(static_cast<mzIComTypeInfo*>(typeInfo), false);
  mzIComObjectCollection* collection = nullptr;
  EXPECT_EQ(info->getMembers(mask, &collection), 0u);
  mzSmartPtr<mzIComObjectCollection> held(collection, false);
  uint32_t count = 0;
  collection->getCount(&count);
  std::vector<std::string> found;
  for (uint32_t i = 0; i < count; ++i) {
    mzIUnknown* item = nullptr;
    collection->getItem(i, &item);
    mzSmartPtr<mzIUnknown> heldItem(item, false);
    void* method = nullptr;
    if (item->QueryInterface(mzIID_IMethodTypeInfo, &method) != 0) {
      found.push_back("property");
      continue;
    }
    mzSmartPtr<mzIComMethodeTypeInfo> description(static_cast<mzIComMethodeTypeInfo*>(method), false);
    mzVariantS name;
    int32_t minArgs = -1, optionalArgs = -1;
    description->getName(&name);
    description->getMinArgs(&minArgs);
    description->getOptionalArgs(&optionalArgs);
    found.push_back(textOf(name) + " " + std::to_string(minArgs) + " " + std::to_string(optionalArgs));
  }
  return found;
}

TEST_F(m3dFactoryTypeInfo, EveryMethodIsListedOnceInByteOrderWithItsArguments) {
  scriptC s;
  std::vector<std::string> expected = {"Create 1 0", "createFromFile 1 0", "createFromString 1 0"};
  for (const char* name : {"arc2d", "asm", "base", "body", "circle2d", "cut", "extattrstr", "extattrval", "extattrvar",
                           "foreign", "line2d", "loop", "part", "pattern", "plane", "sketch"}) {
    expected.push_back("is" + std::string(name) + " 1 0");
    expected.push_back("key" + std::string(name) + " 0 0");
    expected.push_back("to" + std::string(name) + " 1 0");
  }
  expected.push_back("toobjectList 1 0");
  expected.push_back("tostringList 1 0");
  std::sort(expected.begin(), expected.end());
  ASSERT_EQ(expected.size(), 53u);
  EXPECT_EQ(members(s.factory, 1), expected);
  EXPECT_EQ(members(s.factory, 2), std::vector<std::string>());
  EXPECT_EQ(members(s.factory, 4), std::vector<std::string>());
}

TEST_F(m3dFactoryTypeInfo, ClassTestsReadTheClassKeyOfAHostObject) {
  scriptC s;
  fakeDispatchC host;
  host.memberValue.setString("BODY");
  EXPECT_EQ(integer(s.factory, "isbody", {objectValue(&host)}), 1);
  EXPECT_EQ(integer(s.factory, "isbase", {objectValue(&host)}), 0);
  host.memberValue.setInt(4);
  EXPECT_EQ(integer(s.factory, "isbody", {objectValue(&host)}), 0);
  EXPECT_EQ(host.references, 1u);
}

}  // namespace
