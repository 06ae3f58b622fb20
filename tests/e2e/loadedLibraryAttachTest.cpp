// Attaching and detaching the host's engine through the loaded library's exports.
#include <gtest/gtest.h>

#include "host/hostEngineC.h"
#include "tests/e2e/loadedLibrary.h"

namespace {

class loadedLibraryAttachTest : public ::testing::Test {
 protected:
  loadedLibrary library;
  hostEngineC* engine = hostEngineC::create();
  hostEngineC* secondEngine = hostEngineC::create();

  void SetUp() override { ASSERT_TRUE(library.isUsable()) << dlerror(); }
  void TearDown() override {
    engine->Release();
    secondEngine->Release();
  }
};

TEST_F(loadedLibraryAttachTest, OnlyTheTwoEntryPointsAreExported) {
  EXPECT_EQ(dlsym(library.module, "_Z14mzComGetEngineRP12mzIComEngine"), nullptr);
  EXPECT_EQ(dlsym(library.module, "mzComGetRemoteEngine"), nullptr);
}

TEST_F(loadedLibraryAttachTest, InitKeepsTheEngineWithOneReferenceAndTerminateReleasesItOnce) {
  EXPECT_EQ(library.init(engine), 0u);
  EXPECT_EQ(engine->referenceCount(), 2u);
  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(engine->referenceCount(), 1u);
  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(engine->referenceCount(), 1u);
}

TEST_F(loadedLibraryAttachTest, TwoInitsKeepTheFirstEngineAndTwoTerminatesReleaseItOnce) {
  EXPECT_EQ(library.init(engine), 0u);
  EXPECT_EQ(library.init(secondEngine), 0u);
  EXPECT_EQ(engine->referenceCount(), 2u);
  EXPECT_EQ(secondEngine->referenceCount(), 1u);
  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(engine->referenceCount(), 2u);
  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(engine->referenceCount(), 1u);
  EXPECT_EQ(secondEngine->referenceCount(), 1u);
}

TEST_F(loadedLibraryAttachTest, ATerminateWithoutInitChangesNothingAndALaterInitWorks) {
  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(library.init(engine), 0u);
  EXPECT_EQ(engine->referenceCount(), 2u);
  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(engine->referenceCount(), 1u);
}

TEST_F(loadedLibraryAttachTest, AFirstInitWithoutAnEngineIsRefusedAndALaterInitWorks) {
  EXPECT_EQ(library.init(nullptr), 0u);
  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(library.init(engine), 0u);
  EXPECT_EQ(engine->referenceCount(), 2u);
  // One terminate matches the one init that counted.
  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(engine->referenceCount(), 1u);
}

}  // namespace
