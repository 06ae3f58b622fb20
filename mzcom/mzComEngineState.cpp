#include "mzcom/mzComEngineState.h"

#include <vector>

#include "mzcom/mzComEngineClientC.h"
#include "mzcom/mzComLibraryC.h"
#include "mzcom/mzComServerLibraryEntries.h"
#include "mzcom/mzIComEngine.h"

mzComEngineClientC* mzComEngineClients = nullptr;

namespace {

// One slot per attach not yet matched by a detach, newest last: its size is the attach count.
std::vector<uint32_t> registrationSlots;
mzIComEngine* keptEngine = nullptr;
mzComLibraryC* serverLibrary = nullptr;

// Lets the server library go. Its terminate entry is taken before the object goes and called
// after: the module stays loaded, being kept.
uint32_t releaseServerLibrary() {
  if (!serverLibrary) return 0;
  mzComLibraryC* library = serverLibrary;
  serverLibrary = nullptr;
  if (!library->isLoaded()) {
    delete library;
    return 0;
  }
  auto terminate = reinterpret_cast<mzComTerminateRemoteEngineFn>(library->getProc(mzComTerminateRemoteEngineName));
  delete library;
  return terminate ? terminate() : 1;
}

}  // namespace

uint32_t mzComAttachRemoteEngine(mzIComEngine* engine) {
  bool first = registrationSlots.empty();
  if (first && !engine) return 1;
  registrationSlots.push_back(0);  // may throw; nothing has changed yet
  if (first) {
    engine->AddRef();
    keptEngine = engine;
    mzComNotifyEngineAttach();
  }
  return 0;
}

uint32_t mzComDetachRemoteEngine() {
  if (registrationSlots.empty()) return 1;
  registrationSlots.pop_back();
  if (!registrationSlots.empty()) return 0;
  uint32_t result = 0;
  if (keptEngine) {
    mzComNotifyEngineDetach();
    mzIComEngine* engine = keptEngine;
    keptEngine = nullptr;
    engine->Release();
  } else {
    result = 1;
  }
  // The server library goes with the last detach even when it gave no engine, so a later
  // load starts afresh.
  uint32_t serverResult = releaseServerLibrary();
  return result ? result : serverResult;
}

uint32_t mzComGetEngine(mzIComEngine*& out) {
  if (!keptEngine) return 1;
  keptEngine->AddRef();
  out = keptEngine;
  return 0;
}

void mzComNotifyEngineAttach() {
  for (mzComEngineClientC* client = mzComEngineClients; client;) {
    mzComEngineClientC* next = client->next;
    client->onEngineAttach();
    client = next;
  }
}

void mzComNotifyEngineDetach() {
  for (mzComEngineClientC* client = mzComEngineClients; client;) {
    mzComEngineClientC* next = client->next;
    client->onEngineDetach();
    client = next;
  }
}

int32_t mzComAttachCount() { return static_cast<int32_t>(registrationSlots.size()); }

void mzComKeepRegistrationCookie(uint32_t cookie) {
  if (!registrationSlots.empty()) registrationSlots.back() = cookie;
}

uint32_t mzComNewestRegistrationCookie() { return registrationSlots.empty() ? 0 : registrationSlots.back(); }

mzIComEngine** mzComKeptEngineSlot() { return &keptEngine; }

void mzComCountAttach() { registrationSlots.push_back(0); }

void mzComKeepServerLibrary(mzComLibraryC* library) {
  delete serverLibrary;
  serverLibrary = library;
}

void mzComUndoServerLibraryAttach() {
  delete serverLibrary;
  serverLibrary = nullptr;
  if (!registrationSlots.empty()) registrationSlots.pop_back();
}
