#include "mzcom/mzComRemoteEngineLoader.h"

#include <cstdlib>

#include "mzcom/mzComEngineFactoryClient.h"
#include "mzcom/mzComEngineState.h"
#include "mzcom/mzComLibraryC.h"
#include "mzcom/mzComServerLibraryEntries.h"
#include "platform/messageBox.h"
#include "platform/registryTable.h"

namespace {

// The registry value is read into a buffer of this size; a longer one is not taken.
constexpr unsigned registryValueCapacity = 1023;

// The root folder from the first source that names one; null when none does.
const char* findRootFolder(char (&registryValue)[registryValueCapacity]) {
  if (registryTable::queryDefaultText(mzComRootRegistryKey, registryValue, registryValueCapacity)) return registryValue;
  if (const char* root = std::getenv(mzComRootVariable)) return root;
  return std::getenv(mzComRemotePathVariable);
}

}  // namespace

str remoteEngineFolder(const char* osName) {
  char registryValue[registryValueCapacity];
  const char* root = findRootFolder(registryValue);
  if (!root || !*root) return str();
  str folder(root);
  char last = folder.c_str()[folder.length() - 1];
  if (last != '/' && last != '\\') folder += "/";
  folder += "libs/";
  if (!osName) osName = std::getenv(mzComOsNameVariable);
  folder += osName ? osName : "x86";
  return folder;
}

uint32_t findAndLoadRemoteEngine(const char* osName) {
  str folder = remoteEngineFolder(osName);
  if (folder.isEmpty()) return 1;
  if (loadRemoteEngineLibrary(folder + "/mzcomsrvdll") != 0) return 1;
  mzComAddComponentPath(folder + "/com", 0, 0);
  return 0;
}

uint32_t loadRemoteEngineLibrary(const char* path) {
  if (mzComAttachCount() != 0) {
    mzComCountAttach();
    return 0;
  }
  mzComCountAttach();
  mzComLibraryC* library = new mzComLibraryC(path, true);
  mzComKeepServerLibrary(library);
  auto getRemoteEngine = reinterpret_cast<mzComGetRemoteEngineFn>(library->getProc(mzComGetRemoteEngineName));
  if (!getRemoteEngine) {
    messageBox::show("Can not resolve environment variable $VORKANE!", "Error");
    mzComUndoServerLibraryAttach();
    return 1;
  }
  getRemoteEngine(mzComKeptEngineSlot());
  mzComNotifyEngineAttach();
  return 0;
}
