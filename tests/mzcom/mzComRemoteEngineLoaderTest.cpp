// The loader of the engine's server library, against stand-in libraries built below
// RUDEZAZE_REMOTE_ENGINE_ROOT: "withEngine" offers an engine, "withoutEntries" does not.
#include "mzcom/mzComRemoteEngineLoader.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "mzcom/mzComEngineState.h"
#include "mzcom/mzComExports.h"
#include "mzcom/mzComLibraryC.h"
#include "platform/messageBox.h"
#include "platform/registryTable.h"
#include "tests/helpers/testRemoteEngine.h"
#include "tests/mzcom/fakeEngine.h"

namespace {

const std::string standInRoot = RUDEZAZE_REMOTE_ENGINE_ROOT;

class remoteEngineLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override { clearSources(); }
  void TearDown() override {
    while (mzComAttachCount() > 0) mzComTerminateRemoteEngine();
    clearSources();
  }
  static void clearSources() {
    registryTable::clear();
    unsetenv("VORKANE");
    unsetenv("MZCOM_REMOTEPATH");
    unsetenv("OSNAME");
    messageBox::resetShown();
  }
};

// What the stand-in at path tells of its engine.
testRemoteEngineStateS& standInState(const std::string& path) {
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  EXPECT_NE(module, nullptr) << path;
  auto state = reinterpret_cast<testRemoteEngineStateFn>(dlsym(module, testRemoteEngineStateName));
  dlclose(module);
  return *state();
}

TEST_F(remoteEngineLoaderTest, TheFolderIsTheRootWithOneSeparatorThenLibsAndTheOsName) {
  EXPECT_EQ(std::string(remoteEngineFolder(nullptr)), "");

  registryTable::setDefaultText(mzComRootRegistryKey, "C:\\x");
  EXPECT_EQ(std::string(remoteEngineFolder(nullptr) + "/mzcomsrvdll"), "C:\\x/libs/x86/mzcomsrvdll");
  registryTable::setDefaultText(mzComRootRegistryKey, "C:\\x\\");
  EXPECT_EQ(std::string(remoteEngineFolder(nullptr)), "C:\\x\\libs/x86");
  registryTable::setDefaultText(mzComRootRegistryKey, "/opt/v/");
  EXPECT_EQ(std::string(remoteEngineFolder(nullptr)), "/opt/v/libs/x86");
  setenv("OSNAME", "linux", 1);
  EXPECT_EQ(std::string(remoteEngineFolder(nullptr)), "/opt/v/libs/linux");
  EXPECT_EQ(std::string(remoteEngineFolder("arm")), "/opt/v/libs/arm");

  // The registry comes first, then VORKANE, then MZCOM_REMOTEPATH.
  setenv("VORKANE", "/from/vorkane", 1);
  setenv("MZCOM_REMOTEPATH", "/from/remotepath", 1);
  EXPECT_EQ(std::string(remoteEngineFolder("os")), "/opt/v/libs/os");
  registryTable::clear();
  EXPECT_EQ(std::string(remoteEngineFolder("os")), "/from/vorkane/libs/os");
  unsetenv("VORKANE");
  EXPECT_EQ(std::string(remoteEngineFolder("os")), "/from/remotepath/libs/os");
  // A root too long for the registry buffer is not taken from there.
  registryTable::setDefaultText(mzComRootRegistryKey, std::string(1023, 'r'));
  EXPECT_EQ(std::string(remoteEngineFolder("os")), "/from/remotepath/libs/os");

  // An empty root ends the search without loading or showing anything.
  setenv("MZCOM_REMOTEPATH", "", 1);
  EXPECT_EQ(findAndLoadRemoteEngine(nullptr), 1u);
  EXPECT_EQ(messageBox::lastShown().count, 0);
}

TEST_F(remoteEngineLoaderTest, TheServerLibraryIsLoadedItsEngineKeptAndLetGoAtTheLastTerminate) {
  const std::string folder = standInRoot + "/withEngine/libs/x86";
  registryTable::setDefaultText(mzComRootRegistryKey, standInRoot + "/withEngine");
  ASSERT_EQ(findAndLoadRemoteEngine(nullptr), 0u);
  // "mzcomsrvdll" does not exist, so "mzcomsrvdll.dll" was loaded.
  testRemoteEngineStateS& state = standInState(folder + "/mzcomsrvdll.dll");
  EXPECT_EQ(mzComAttachCount(), 1);
  EXPECT_EQ(state.references, 1u);
  EXPECT_EQ(state.componentPathCalls, 1u);
  EXPECT_EQ(std::string(state.componentPath), folder + "/com");
  EXPECT_EQ(messageBox::lastShown().count, 0);

  // A second load only counts.
  ASSERT_EQ(findAndLoadRemoteEngine(nullptr), 0u);
  EXPECT_EQ(mzComAttachCount(), 2);
  EXPECT_EQ(state.references, 1u);

  mzComTerminateRemoteEngine();
  EXPECT_EQ(state.terminateCalls, 0u);
  mzComTerminateRemoteEngine();
  EXPECT_EQ(state.references, 0u);
  EXPECT_EQ(state.terminateCalls, 1u);
  EXPECT_EQ(mzComAttachCount(), 0);

  // A library path naming an existing file is loaded as named.
  ASSERT_EQ(findAndLoadRemoteEngine("named"), 0u);
  testRemoteEngineStateS& named = standInState(standInRoot + "/withEngine/libs/named/mzcomsrvdll");
  EXPECT_EQ(named.references, 1u);
  EXPECT_EQ(mzComDetachRemoteEngine(), 0u);  // the server's terminate result
  EXPECT_EQ(named.terminateCalls, 1u);
  EXPECT_EQ(named.references, 0u);
}

TEST_F(remoteEngineLoaderTest, ALibraryWithoutTheEntryIsReportedAndLeavesTheCountAsItWas) {
  setenv("VORKANE", (standInRoot + "/withoutEntries/").c_str(), 1);
  EXPECT_EQ(findAndLoadRemoteEngine(nullptr), 1u);
  EXPECT_EQ(messageBox::lastShown().count, 1);
  EXPECT_EQ(messageBox::lastShown().text, "Can not resolve environment variable $VORKANE!");
  EXPECT_EQ(messageBox::lastShown().caption, "Error");
  EXPECT_EQ(mzComAttachCount(), 0);

  // No library at all fails the same way.
  EXPECT_EQ(loadRemoteEngineLibrary("/nonexistent/mzcomsrvdll"), 1u);
  EXPECT_EQ(messageBox::lastShown().count, 2);
  EXPECT_EQ(mzComAttachCount(), 0);

  fakeEngineC engine;
  mzComInitRemoteEngine(&engine);
  EXPECT_EQ(engine.references, 2u);
  // With an engine attached the loader only counts; nothing is loaded or shown.
  EXPECT_EQ(loadRemoteEngineLibrary("/nonexistent/mzcomsrvdll"), 0u);
  EXPECT_EQ(mzComAttachCount(), 2);
  EXPECT_EQ(messageBox::lastShown().count, 2);
  mzComTerminateRemoteEngine();
  mzComTerminateRemoteEngine();
  EXPECT_EQ(engine.references, 1u);
}

TEST_F(remoteEngineLoaderTest, ALibraryObjectRefusesPathsLongerThanItsBufferRatherThanCuttingThem) {
  const std::string existing = standInRoot + "/withEngine/libs/named/mzcomsrvdll";
  mzComLibraryC library(existing.c_str(), false);
  EXPECT_TRUE(library.isLoaded());
  EXPECT_NE(library.getProc("mzComGetRemoteEngine"), nullptr);
  EXPECT_EQ(library.getProc("noSuchEntry"), nullptr);
  library.unload();
  EXPECT_FALSE(library.isLoaded());
  EXPECT_EQ(library.getProc("mzComGetRemoteEngine"), nullptr);

  // Padding with "/" keeps the path naming the same file until it no longer fits.
  std::string padded = std::string(mzComLibraryC::maxPathLength - existing.size(), '/') + existing;
  EXPECT_TRUE(mzComLibraryC(padded.c_str(), false).isLoaded());
  EXPECT_FALSE(mzComLibraryC(("/" + padded).c_str(), false).isLoaded());
  // ".dll" must fit as well.
  std::string withoutExtension = standInRoot + "/withEngine/libs/x86/mzcomsrvdll";
  std::string paddedShort = std::string(mzComLibraryC::maxPathLength - 4 - withoutExtension.size(), '/');
  EXPECT_TRUE(mzComLibraryC((paddedShort + withoutExtension).c_str(), false).isLoaded());
  EXPECT_FALSE(mzComLibraryC(("/" + paddedShort + withoutExtension).c_str(), false).isLoaded());
  EXPECT_FALSE(mzComLibraryC().isLoaded());
  EXPECT_FALSE(mzComLibraryC("", false).isLoaded());
}

}  // namespace
