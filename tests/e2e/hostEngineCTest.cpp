// The host's own engine, as the library and the sample host use it.
#include "host/hostEngineC.h"

#include <gtest/gtest.h>

#include "host/hostArrayC.h"
#include "host/hostMessageOutputC.h"
#include "mzcom/mzIComObjectCollection.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"
#include "tests/helpers/fakeScriptObjects.h"

namespace {

struct engineHolder {
  hostEngineC* engine = hostEngineC::create();
  ~engineHolder() { engine->Release(); }
};

// The engine's service of type T under iid, with the reference QueryInterface added given back.
template <class T>
T* service(hostEngineC* engine, const mzIIDS& iid) {
  void* out = nullptr;
  if (engine->QueryInterface(iid, &out) != 0) return nullptr;
  static_cast<T*>(out)->Release();
  return static_cast<T*>(out);
}

TEST(hostEngineCTest, RegistrationsHoldTheirObjectUnderCookiesFromOne) {
  fakeUnknownC first, second;
  {
    engineHolder holder;
    auto* factory = service<mzIComEngineFactory>(holder.engine, mzIID_ComEngineFactory);
    ASSERT_NE(factory, nullptr);
    uint32_t cookie = 0;
    EXPECT_EQ(factory->registerClassObject(mzIID_IClassFactory, &first, 1, &cookie), 0u);
    EXPECT_EQ(cookie, 1u);
    EXPECT_EQ(factory->registerClassObject(mzIIDS("MZIIDCLSFAC"), &second, 1, &cookie), 0u);
    EXPECT_EQ(cookie, 2u);
    EXPECT_EQ(first.references, 2u);
    EXPECT_EQ(factory->registerClassObject(mzIID_IClassFactory, nullptr, 1, &cookie), 1u);

    // The newest registration of a class id is its class object.
    mzIUnknown* found = nullptr;
    EXPECT_EQ(factory->getClassObject(mzIID_IClassFactory, &found), 0u);
    EXPECT_EQ(found, &second);
    found->Release();
    EXPECT_EQ(factory->getClassObject(mzIIDS("MZIIDNOTHING"), &found), 1u);
    EXPECT_EQ(found, nullptr);

    mzIComObjectCollection* collection = nullptr;
    ASSERT_EQ(factory->getClassObjects(mzIID_IClassFactory, 1, mzIID_IUnknown, &collection), 0u);
    uint32_t count = 0;
    collection->getCount(&count);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(collection->getItem(2, &found), 1u);
    EXPECT_EQ(collection->getItem(0, &found), 0u);
    EXPECT_EQ(found, &first);
    found->Release();
    collection->Release();
    ASSERT_EQ(factory->getClassObjects(mzIID_IClassFactory, 1, mzIID_IDispatch, &collection), 0u);
    collection->getCount(&count);
    EXPECT_EQ(count, 0u);
    collection->Release();

    EXPECT_EQ(factory->revokeClassObject(2), 0u);
    EXPECT_EQ(factory->revokeClassObject(2), 1u);
    EXPECT_EQ(second.references, 1u);
    EXPECT_EQ(holder.engine->revokedCookies(), std::vector<uint32_t>{2});
    EXPECT_EQ(factory->addComponentPath("/opt/v/libs/x86/com", 0, 0), 0u);
    EXPECT_EQ(holder.engine->componentPaths(), std::vector<std::string>{"/opt/v/libs/x86/com"});
  }
  // The engine lets go of what is still registered when it goes.
  EXPECT_EQ(first.references, 1u);
}

TEST(hostEngineCTest, ArraysAppendWhatAddIsGivenAndRefuseOtherCalls) {
  engineHolder holder;
  auto* factory = service<mzIComEngineFactory>(holder.engine, mzIID_ComEngineFactory);
  mzIUnknown* object = nullptr;
  ASSERT_EQ(factory->getClassObject(mzIIDS("RUDEZAZE.ARRAY"), &object), 0u);
  void* dispatch = nullptr;
  ASSERT_EQ(object->QueryInterface(mzIID_IDispatch, &dispatch), 0u);
  object->Release();
  auto* array = static_cast<mzIDispatch*>(dispatch);

  mzVariantS values[2];
  values[0].setString("first");
  values[1].setInt(42);
  EXPECT_EQ(array->Invoke("add", mzInvokeMethod, 1, &values[0], nullptr, nullptr), 0u);
  EXPECT_EQ(array->Invoke("Add", mzInvokeMethod, 1, &values[1], nullptr, nullptr), 0u);
  values[0].setString("changed afterwards");
  auto* contents = static_cast<hostArrayC*>(array);
  ASSERT_EQ(contents->count(), 2u);
  EXPECT_STREQ(contents->item(0).stringText(), "first");
  EXPECT_EQ(contents->item(1).intValue, 42);

  mzIException* error = nullptr;
  EXPECT_EQ(array->Invoke("add", mzInvokeMethod, 2, values, nullptr, &error), 1u);
  ASSERT_NE(error, nullptr);
  mzVariantS description;
  error->getDescription(&description);
  EXPECT_STREQ(description.stringText(), "Object call failed");
  error->Release();
  EXPECT_EQ(array->Invoke("remove", mzInvokePropertyGet, 0, nullptr, nullptr, nullptr), 1u);
  EXPECT_EQ(contents->count(), 2u);
  EXPECT_EQ(array->QueryInterface(mzIID_IClassFactory, &dispatch), 1u);
  EXPECT_EQ(dispatch, nullptr);
  array->Release();
}

TEST(hostEngineCTest, TheRunningObjectTableFindsOnlyWhatWasEntered) {
  engineHolder holder;
  auto* rot = service<mzIComEngineRot>(holder.engine, mzIID_ComEngineRot);
  ASSERT_NE(rot, nullptr);
  void* found = nullptr;
  EXPECT_EQ(rot->findRunningObject(mzIID_ComMessageOutputService, mzIID_IComMessageOutput, 0, &found), 1u);
  EXPECT_EQ(found, nullptr);

  hostMessageOutputC* output = holder.engine->startMessageOutput();
  ASSERT_EQ(rot->findRunningObject(mzIID_ComMessageOutputService, mzIID_IComMessageOutput, 0, &found), 0u);
  auto* writer = static_cast<mzIComMessageOutput*>(found);
  mzVariantS text("written");
  mzVariantS number;
  number.setInt(1);
  EXPECT_EQ(writer->writeMessage(5, &text), 0u);
  EXPECT_EQ(writer->writeMessage(6, &number), 1u);
  writer->Release();
  ASSERT_EQ(output->messages().size(), 1u);
  EXPECT_EQ(output->messages()[0].code, 5);
  EXPECT_EQ(output->messages()[0].text, "written");

  EXPECT_TRUE(holder.engine->revokeRunningObject(mzIID_ComMessageOutputService));
  EXPECT_EQ(rot->findRunningObject(mzIID_ComMessageOutputService, mzIID_IComMessageOutput, 0, &found), 1u);
  EXPECT_EQ(rot->rotOperation6(), 1u);
  EXPECT_EQ(holder.engine->QueryInterface(mzIID_IDispatch, &found), 1u);
  EXPECT_EQ(found, nullptr);
}

}  // namespace
