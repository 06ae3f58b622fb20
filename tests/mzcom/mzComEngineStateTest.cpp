// Attach and detach through the two exports, as a host drives them.
#include <gtest/gtest.h>

#include <cstring>

#include "mzcom/mzComEngineClientC.h"
#include "mzcom/mzComEngineFactoryClient.h"
#include "mzcom/mzComEngineObjectCalls.h"
#include "mzcom/mzComEngineRotClient.h"
#include "mzcom/mzComEngineState.h"
#include "mzcom/mzComExports.h"
#include "tests/mzcom/fakeEngine.h"

namespace {

class engineAttachTest : public ::testing::Test {
 protected:
  void TearDown() override {
    while (mzComAttachCount() > 0) mzComTerminateRemoteEngine();
  }
};

// The engine the library keeps, with the reference mzComGetEngine added given back.
mzIComEngine* keptEngine() {
  mzIComEngine* engine = nullptr;
  if (mzComGetEngine(engine) != 0) return nullptr;
  engine->Release();
  return engine;
}

TEST_F(engineAttachTest, InitKeepsTheEngineWithOneReferenceAndTheLastTerminateReleasesItOnce) {
  fakeEngineC engine;
  EXPECT_EQ(mzComInitRemoteEngine(&engine), 0u);
  EXPECT_EQ(engine.references, 2u);
  EXPECT_EQ(keptEngine(), &engine);
  EXPECT_EQ(mzComAttachCount(), 1);

  EXPECT_EQ(mzComTerminateRemoteEngine(), 0u);
  EXPECT_EQ(engine.references, 1u);
  EXPECT_EQ(keptEngine(), nullptr);
  // A further terminate has no init to match: the engine is not released again.
  EXPECT_EQ(mzComTerminateRemoteEngine(), 0u);
  EXPECT_EQ(engine.references, 1u);
  EXPECT_EQ(mzComAttachCount(), 0);
}

TEST_F(engineAttachTest, RepeatedInitKeepsTheFirstEngineUntilTheLastTerminate) {
  fakeEngineC first, second;
  mzComInitRemoteEngine(&first);
  mzComInitRemoteEngine(&second);
  EXPECT_EQ(first.references, 2u);
  EXPECT_EQ(second.references, 1u);
  EXPECT_EQ(keptEngine(), &first);

  mzComTerminateRemoteEngine();
  EXPECT_EQ(keptEngine(), &first);
  mzComTerminateRemoteEngine();
  EXPECT_EQ(first.references, 1u);
  EXPECT_EQ(second.references, 1u);
  EXPECT_EQ(keptEngine(), nullptr);
}

TEST_F(engineAttachTest, EachTerminateRevokesTheRegistrationOfItsOwnInitNewestFirst) {
  fakeEngineC engine;
  mzComInitRemoteEngine(&engine);
  mzComInitRemoteEngine(&engine);
  ASSERT_EQ(engine.registered.size(), 2u);
  EXPECT_EQ(mzComNewestRegistrationCookie(), 2u);

  // Revoked while the engine is still kept: the factory service was reached.
  mzComTerminateRemoteEngine();
  EXPECT_EQ(engine.log, "revoke(2)");
  EXPECT_EQ(engine.registered.size(), 1u);
  EXPECT_EQ(engine.references, 2u);

  mzComTerminateRemoteEngine();
  EXPECT_EQ(engine.log, "revoke(2)revoke(1)");
  EXPECT_TRUE(engine.registered.empty());
  EXPECT_EQ(engine.references, 1u);
}

TEST_F(engineAttachTest, TerminateWithoutInitChangesNothingAndALaterInitWorks) {
  EXPECT_EQ(mzComTerminateRemoteEngine(), 0u);
  EXPECT_EQ(mzComAttachCount(), 0);

  fakeEngineC engine;
  mzComInitRemoteEngine(&engine);
  EXPECT_EQ(engine.references, 2u);
  mzComTerminateRemoteEngine();
  EXPECT_EQ(engine.references, 1u);
  // Only the registration of the init that counted is revoked.
  EXPECT_EQ(engine.log, "revoke(1)");
}

TEST_F(engineAttachTest, AFirstInitWithoutAnEngineIsRefusedAndCountsNothing) {
  EXPECT_EQ(mzComInitRemoteEngine(nullptr), 0u);
  EXPECT_EQ(mzComAttachCount(), 0);
  EXPECT_EQ(keptEngine(), nullptr);

  fakeEngineC engine;
  mzComInitRemoteEngine(&engine);
  // Once an engine is kept, a repeated init without one counts like any repeated init.
  mzComInitRemoteEngine(nullptr);
  EXPECT_EQ(mzComAttachCount(), 2);
  mzComTerminateRemoteEngine();
  mzComTerminateRemoteEngine();
  EXPECT_EQ(engine.references, 1u);
}

struct countingClientC : mzComEngineClientC {
  int attaches = 0;
  int detaches = 0;
  bool engineKeptAtDetach = false;
  void onEngineAttach() override { ++attaches; }
  void onEngineDetach() override {
    ++detaches;
    engineKeptAtDetach = keptEngine() != nullptr;
  }
};

TEST_F(engineAttachTest, ClientsHearOfTheFirstAttachAndTheLastDetachOnly) {
  countingClientC first, second;
  first.next = &second;
  mzComEngineClients = &first;
  fakeEngineC engine;
  mzComInitRemoteEngine(&engine);
  mzComInitRemoteEngine(&engine);
  mzComTerminateRemoteEngine();
  EXPECT_EQ(first.attaches, 1);
  EXPECT_EQ(second.attaches, 1);
  EXPECT_EQ(first.detaches, 0);
  mzComTerminateRemoteEngine();
  mzComEngineClients = nullptr;
  EXPECT_EQ(first.detaches, 1);
  EXPECT_EQ(second.detaches, 1);
  EXPECT_TRUE(second.engineKeptAtDetach);
}

TEST_F(engineAttachTest, WithoutAnEngineEveryEngineCallFailsAndMessagesGoToStandardOutput) {
  fakeEngineObjectC object("object");
  void* out = nullptr;
  uint32_t cookie = 0;
  mzIComObjectCollection* collection = nullptr;
  EXPECT_EQ(mzComRegisterClassObject(mzIID_IClassFactory, object.unknown(), 1, &cookie), 1u);
  EXPECT_EQ(mzComRegisterClassFactory(object.unknown(), &cookie), 1u);
  EXPECT_EQ(mzComRevokeClassObject(1), 1u);
  EXPECT_EQ(mzComAddComponentPath("/x", 0, 0), 1u);
  EXPECT_EQ(mzComGetClassObject(mzIID_ComDefaultMarshaller, mzIID_IComMarshal, &out), 1u);
  EXPECT_EQ(mzComGetClassObjects(mzIID_ComFileMoniker, 1, mzIID_ComFileMoniker, &collection), 1u);
  EXPECT_EQ(createInstanceByName("rudezaze.array", mzIID_IDispatch, &out), 1u);
  EXPECT_EQ(mzComFileMonikerCall(1, 2, 3), 1u);
  uint32_t found = 5;
  EXPECT_EQ(mzComFileMonikerTest(1, 2, &found), 0u);
  EXPECT_EQ(found, 0u);
  EXPECT_EQ(mzComRotCall1(mzIID_ComMessageOutputService, mzIID_IComMessageOutput, 0, &out), 1u);
  EXPECT_EQ(mzComRotCall2(1, 2, 3, 4), 1u);
  EXPECT_EQ(mzComRotCall6(), 1u);
  EXPECT_EQ(mzComMarshalCall1(1, 2, 3), 1u);
  EXPECT_EQ(mzComSharedMemoryManagerCall(1, 2, 3, 4), 1u);
  EXPECT_EQ(mzComMutexManagerCall(1, 2, 3), 1u);
  EXPECT_EQ(mzComEngineCall(1, 2, 3), 1u);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(collection, nullptr);
  EXPECT_EQ(object.references, 1u);

  ::testing::internal::CaptureStdout();
  EXPECT_EQ(mzComMessageOutput(-12, "no engine"), 0u);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "-12 no engine\n");
}

}  // namespace
