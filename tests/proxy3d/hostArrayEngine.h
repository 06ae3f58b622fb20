// A host engine that makes "rudezaze.array" (tests/proxy3d/fakeHostArray.h), attached for the
// fixture's lifetime.
#pragma once

#include <gtest/gtest.h>

#include "mzcom/mzComExports.h"
#include "mzcom/mzComEngineState.h"
#include "tests/helpers/poolBalance.h"
#include "tests/proxy3d/fakeHostArray.h"
#include "tests/mzcom/fakeEngine.h"

class hostArrayEngineTest : public poolBalancedTest {
 protected:
  fakeEngineC engine;
  fakeHostArrayC array;

  void SetUp() override {
    engine.classObjects.emplace_back(mzIIDS("rudezaze.array"), &array);
    mzComInitRemoteEngine(&engine);
  }
  void TearDown() override {
    while (mzComAttachCount() > 0) mzComTerminateRemoteEngine();
    EXPECT_EQ(array.references, 1u);
  }
};
