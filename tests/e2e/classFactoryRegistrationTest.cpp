// The class factory a loaded library registers with the host's engine at each init.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/hostEngineC.h"
#include "mzcom/mzIClassFactory.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIIDConstants.h"
#include "tests/e2e/loadedLibrary.h"

namespace {

class classFactoryRegistrationTest : public ::testing::Test {
 protected:
  loadedLibrary library;
  hostEngineC* engine = hostEngineC::create();

  void SetUp() override { ASSERT_TRUE(library.isUsable()) << dlerror(); }
  void TearDown() override { engine->Release(); }

  // The references on object besides the one this call takes and gives back.
  static uint32_t referencesOn(mzIUnknown* object) {
    object->AddRef();
    return object->Release();
  }
};

TEST_F(classFactoryRegistrationTest, InitRegistersOneFactoryThatTheEngineAloneHolds) {
  ASSERT_EQ(library.init(engine), 0u);
  ASSERT_EQ(engine->registrations().size(), 1u);
  const hostEngineC::registrationS registration = engine->registrations()[0];
  EXPECT_EQ(registration.classId.length, 11u);
  EXPECT_EQ(std::memcmp(registration.classId.data, "MZIIDCLSFAC", 11), 0);
  EXPECT_EQ(registration.flags, 1u);
  EXPECT_EQ(referencesOn(registration.object), 1u);

  // The host reaches the library's factories through it.
  void* factory = nullptr;
  ASSERT_EQ(registration.object->QueryInterface(mzIID_IClassFactory, &factory), 0u);
  mzIDispatch* made = nullptr;
  EXPECT_EQ(static_cast<mzIClassFactory*>(factory)->CreateInstance(mzIIDS("rudezaze.metaobjectfactory"), &made), 0u);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->Release(), 0u);
  static_cast<mzIClassFactory*>(factory)->Release();

  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_TRUE(engine->registrations().empty());
  // Revoking reached the engine, so it was still kept when the revocation ran.
  EXPECT_EQ(engine->revokedCookies(), std::vector<uint32_t>{registration.cookie});
  EXPECT_EQ(engine->referenceCount(), 1u);
}

TEST_F(classFactoryRegistrationTest, TwoInitsRegisterTwoFactoriesAndTerminatesRevokeNewestFirst) {
  ASSERT_EQ(library.init(engine), 0u);
  ASSERT_EQ(library.init(engine), 0u);
  ASSERT_EQ(engine->registrations().size(), 2u);
  EXPECT_NE(engine->registrations()[0].object, engine->registrations()[1].object);

  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(engine->revokedCookies(), std::vector<uint32_t>{2u});
  EXPECT_EQ(engine->registrations().size(), 1u);
  EXPECT_EQ(library.terminate(), 0u);
  EXPECT_EQ(engine->revokedCookies(), (std::vector<uint32_t>{2u, 1u}));
  EXPECT_TRUE(engine->registrations().empty());
  EXPECT_EQ(engine->referenceCount(), 1u);
}

}  // namespace
