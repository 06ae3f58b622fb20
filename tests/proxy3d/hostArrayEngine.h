// A host engine that makes "rudezaze.array": an array object that keeps the texts its "add"
// is given, in order. The array lives on the test's stack and starts with the test's own
// reference; the engine is attached for the fixture's lifetime.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "mzcom/mzComExports.h"
#include "mzcom/mzComEngineState.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"
#include "tests/helpers/poolBalance.h"
#include "tests/mzcom/fakeEngine.h"

class hostArrayC final : public mzIDispatch {
 public:
  uint32_t references = 1;
  std::vector<std::string> items;
  bool refusesAdd = false;

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_IDispatch)) {
      *out = nullptr;
      return 1;
    }
    AddRef();
    *out = static_cast<mzIDispatch*>(this);
    return 0;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return --references; }

  uint32_t Invoke(const char* name, uint32_t kind, uint32_t argumentCount, mzVariantS* arguments, mzVariantS*,
                  mzIException**) override {
    if (refusesAdd || !name || std::strcmp(name, "add") != 0 || kind != mzInvokeMethod || argumentCount != 1) return 1;
    const char* text = arguments[0].stringText();
    items.push_back(text ? text : "<not a string>");
    return 0;
  }
};

class hostArrayEngineTest : public poolBalancedTest {
 protected:
  fakeEngineC engine;
  hostArrayC array;

  void SetUp() override {
    engine.classObjects.emplace_back(mzIIDS("rudezaze.array"), &array);
    mzComInitRemoteEngine(&engine);
  }
  void TearDown() override {
    while (mzComAttachCount() > 0) mzComTerminateRemoteEngine();
    EXPECT_EQ(array.references, 1u);
  }
};
