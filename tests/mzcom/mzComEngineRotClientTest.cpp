// The running-object table and the message output, against an engine that records calls.
#include <gtest/gtest.h>

#include "mzcom/mzComEngineObjectCalls.h"
#include "mzcom/mzComEngineRotClient.h"
#include "mzcom/mzComEngineState.h"
#include "mzcom/mzComExports.h"
#include "tests/mzcom/fakeEngine.h"

namespace {

class rotClientTest : public ::testing::Test {
 protected:
  fakeEngineC engine;
  void SetUp() override { mzComInitRemoteEngine(&engine); }
  void TearDown() override {
    while (mzComAttachCount() > 0) mzComTerminateRemoteEngine();
    EXPECT_EQ(engine.references, 1u);
  }
};

TEST_F(rotClientTest, OperationsArePassedThroughWithTheEnginesResult) {
  EXPECT_EQ(mzComRotCall2(1, 2, 3, 4), 7u);
  EXPECT_EQ(mzComRotCall3(5), 7u);
  EXPECT_EQ(mzComRotCall4(6, 7, 8, 9), 7u);
  EXPECT_EQ(mzComRotCall5(10), 7u);
  EXPECT_EQ(mzComRotCall6(), 7u);
  EXPECT_EQ(mzComEngineCall(11, 12, 13), 7u);
  EXPECT_EQ(engine.log, "rot2(1,2,3,4)rot3(5)rot4(6,7,8,9)rot5(10)rot6()engine(11,12,13)");

  engine.answersServices = false;
  EXPECT_EQ(mzComRotCall3(5), 1u);
}

TEST_F(rotClientTest, MessagesGoToTheRunningMessageOutputWhenThereIsOne) {
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(mzComMessageOutput(3, "before"), 0u);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "3 before\n");

  fakeEngineObjectC output("out", 4);
  engine.runningObjects.push_back({mzIIDS("MZCOMMSGOUTPUTSRV"), output.unknown()});
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(mzComMessageOutput(3, "found"), 4u);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(output.log, "out:3 found");
  EXPECT_EQ(output.references, 1u);

  void* found = nullptr;
  EXPECT_EQ(mzComRotCall1(mzIIDS("MZCOMMSGOUTPUTSRV"), mzIID_IComMessageOutput, 0, &found), 0u);
  EXPECT_EQ(found, static_cast<mzIComMessageOutput*>(&output));
  static_cast<mzIComMessageOutput*>(found)->Release();
}

TEST_F(rotClientTest, MarshallerAndManagersAreReachedByClassAndPassedThrough) {
  fakeEngineObjectC marshaller("marshal", 3), sharedMemory("shm"), channel("ch"), mutex("mutex");
  engine.classObjects = {{mzIIDS("MZCOMDEFMARSH"), marshaller.unknown()},
                         {mzIIDS("MZIIDSHMEMMGRIMPL"), sharedMemory.unknown()},
                         {mzIIDS("MZIIDCHMGRIMPL"), channel.unknown()},
                         {mzIIDS("MZIIDMUTEXMGRIMPL"), mutex.unknown()}};
  EXPECT_EQ(mzComMarshalCall1(1, 2, 3), 3u);
  EXPECT_EQ(mzComMarshalCall2(1, 2), 3u);
  EXPECT_EQ(mzComMarshalCall3(1, 2), 3u);
  EXPECT_EQ(mzComMarshalCall4(1, 2, 3), 3u);
  EXPECT_EQ(mzComMarshalCall5(1, 2, 3, 4, 5, 6, 7, 8, 9), 3u);
  EXPECT_EQ(mzComMarshalCall6(1, 2, 3, 4, 5), 3u);
  EXPECT_EQ(mzComMarshalCall7(1, 2), 3u);
  EXPECT_EQ(marshaller.log,
            "marshal:marshal1(1,2,3)marshal:marshal2(1,2)marshal:marshal3(1,2)marshal:marshal4(1,2,3)"
            "marshal:marshal5(1,2,3,4,5,6,7,8,9)marshal:marshal6(1,2,3,4,5)marshal:marshal7(1,2)");
  EXPECT_EQ(mzComSharedMemoryManagerCall(1, 2, 3, 4), 0u);
  EXPECT_EQ(mzComChannelManagerCall(5, 6, 7, 8), 0u);
  EXPECT_EQ(mzComMutexManagerCall(9, 10, 11), 0u);
  EXPECT_EQ(sharedMemory.log, "shm:manager(1,2,3,4)");
  EXPECT_EQ(channel.log, "ch:manager(5,6,7,8)");
  EXPECT_EQ(mutex.log, "mutex:manager(9,10,11)");
  for (fakeEngineObjectC* object : {&marshaller, &sharedMemory, &channel, &mutex}) {
    EXPECT_EQ(object->references, 1u);
  }

  engine.classObjects.clear();
  EXPECT_EQ(mzComMarshalCall2(1, 2), 1u);
  EXPECT_EQ(mzComMutexManagerCall(1, 2, 3), 1u);
}

}  // namespace
