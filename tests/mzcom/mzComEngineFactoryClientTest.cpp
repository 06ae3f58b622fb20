// The factory-service calls against an engine that records what reaches it.
#include <gtest/gtest.h>

#include <cstring>

#include "mzcom/mzComEngineFactoryClient.h"
#include "mzcom/mzComEngineState.h"
#include "mzcom/mzComExports.h"
#include "mzcom/mzComFactoryRegistrationC.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/mzcom/fakeEngine.h"

namespace {

class factoryClientTest : public ::testing::Test {
 protected:
  fakeEngineC engine;
  void SetUp() override { mzComInitRemoteEngine(&engine); }
  void TearDown() override {
    while (mzComAttachCount() > 0) mzComTerminateRemoteEngine();
    // Every service the calls asked for was released again.
    EXPECT_EQ(engine.references, 1u);
  }
};

TEST_F(factoryClientTest, TheClassFactoryIsRegisteredAsItsUnknownUnderTheBinaryClassIdWithFlagsOne) {
  fakeUnknownC factory;
  uint32_t cookie = 0;
  ASSERT_EQ(mzComRegisterClassFactory(&factory, &cookie), 0u);
  // The init registered the library's own class factory first.
  EXPECT_EQ(cookie, 2u);
  ASSERT_EQ(engine.registered.size(), 2u);
  const fakeEngineC::registrationS& registration = engine.registered[1];
  EXPECT_EQ(registration.classId.length, 11u);
  EXPECT_EQ(std::memcmp(registration.classId.data, "MZIIDCLSFAC", 11), 0);
  EXPECT_EQ(registration.flags, 1u);
  EXPECT_EQ(registration.object, &factory);
  EXPECT_EQ(factory.references, 2u);  // the engine's own, and no other
  EXPECT_EQ(engine.references, 2u);

  EXPECT_EQ(mzComRevokeClassObject(cookie), 0u);
  EXPECT_EQ(factory.references, 1u);
  EXPECT_EQ(mzComRevokeClassObject(cookie), 1u);  // the engine's own result

  factory.answersUnknown = false;
  EXPECT_EQ(mzComRegisterClassFactory(&factory, &cookie), 1u);
  EXPECT_EQ(engine.registered.size(), 1u);
}

TEST_F(factoryClientTest, ARegistrationObjectRevokesWhatItRegisteredAndNothingElse) {
  fakeUnknownC factory;
  {
    // Cookie 1 went to the init's own class factory.
    mzComFactoryRegistrationC registration(&factory);
    EXPECT_EQ(registration.getCookie(), 2u);
    EXPECT_EQ(factory.references, 2u);
  }
  EXPECT_EQ(engine.log, "revoke(2)");
  EXPECT_EQ(factory.references, 1u);

  engine.answersServices = false;
  { mzComFactoryRegistrationC failed(&factory); EXPECT_EQ(failed.getCookie(), 0u); }
  EXPECT_EQ(engine.log, "revoke(2)");
}

TEST_F(factoryClientTest, ClassObjectsAreAskedForTheInterfaceAndReleased) {
  fakeEngineObjectC marshaller("marshal");
  engine.classObjects.push_back({mzIIDS("mziidshmemmgrimpl"), marshaller.unknown()});
  void* out = nullptr;
  ASSERT_EQ(createInstanceByName("MZIIDSHMEMMGRIMPL", mzIID_IComSharedMemoryManager, &out), 0u);
  EXPECT_EQ(out, static_cast<mzIComSharedMemoryManager*>(&marshaller));
  EXPECT_EQ(marshaller.references, 2u);  // only the caller's reference is left
  static_cast<mzIUnknown*>(static_cast<mzIComSharedMemoryManager*>(out))->Release();

  out = nullptr;
  EXPECT_EQ(mzComGetClassObject(mzIIDS("MZIIDSHMEMMGRIMPL"), mzIID_IClassFactory, &out), 1u);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(mzComGetClassObject(mzIID_ComDefaultMarshaller, mzIID_IComMarshal, &out), 1u);
  EXPECT_EQ(marshaller.references, 1u);

  EXPECT_EQ(mzComAddComponentPath("/opt/v/libs/x86/com", 0, 0), 7u);
  EXPECT_EQ(engine.log, "path:/opt/v/libs/x86/com(0,0)");

  engine.answersServices = false;
  EXPECT_EQ(mzComAddComponentPath("/elsewhere", 0, 0), 1u);
  EXPECT_EQ(engine.log, "path:/opt/v/libs/x86/com(0,0)");
}

TEST_F(factoryClientTest, FileMonikersAreOfferedInTurnUntilOneAnswers) {
  fakeEngineObjectC refusing("first", 1), unreachable("second"), answering("third"), later("fourth");
  engine.collection.items = {refusing.moniker(), unreachable.moniker(), answering.moniker(), later.moniker()};
  engine.collection.failing = {1};

  EXPECT_EQ(mzComFileMonikerCall(10, 20, 30), 0u);
  EXPECT_EQ(engine.classObjectsQuery, "0000:MZCOMFILEMONIKER 1 0000:MZCOMFILEMONIKER");
  EXPECT_EQ(refusing.log, "first:moniker(10,20,30)");
  EXPECT_EQ(unreachable.log, "");
  EXPECT_EQ(answering.log, "third:moniker(10,20,30)");
  EXPECT_EQ(later.log, "");

  uint32_t found = 0;
  answering.log.clear();
  EXPECT_EQ(mzComFileMonikerTest(10, 20, &found), 0u);
  EXPECT_EQ(found, 1u);
  // The third value is the address of a value of the library's own.
  EXPECT_EQ(answering.log.rfind("third:moniker(10,20,", 0), 0u);
  EXPECT_NE(answering.log, "third:moniker(10,20,0)");

  answering.answer = 1;
  later.answer = 1;
  EXPECT_EQ(mzComFileMonikerCall(1, 2, 3), 1u);
  EXPECT_EQ(later.log, "fourth:moniker(1,2,3)");
  EXPECT_EQ(mzComFileMonikerTest(1, 2, &found), 0u);
  EXPECT_EQ(found, 0u);

  EXPECT_EQ(engine.collection.references, 1u);
  for (fakeEngineObjectC* item : {&refusing, &unreachable, &answering, &later}) EXPECT_EQ(item->references, 1u);
}

}  // namespace
