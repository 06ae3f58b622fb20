// A stand-in for the engine's server library: it hands out one engine whose factory service
// takes component paths, and lets a test look at what happened to it.
#include <cstring>

#include "mzcom/mzIComEngine.h"
#include "mzcom/mzIComEngineFactory.h"
#include "mzcom/mzIIDConstants.h"
#include "tests/helpers/testRemoteEngine.h"

namespace {

testRemoteEngineStateS state;

class remoteEngineC final : public mzIComEngine, public mzIComEngineFactory {
 public:
  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (iid.isEqual(mzIID_IUnknown)) {
      *out = static_cast<mzIComEngine*>(this);
    } else if (iid.isEqual(mzIID_ComEngineFactory)) {
      *out = static_cast<mzIComEngineFactory*>(this);
    } else {
      *out = nullptr;
      return 1;
    }
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return ++state.references; }
  uint32_t Release() override { return --state.references; }
  uint32_t engineOperation1(uintptr_t, uintptr_t, uintptr_t) override { return 1; }

  uint32_t registerClassObject(const mzIIDS&, mzIUnknown*, uint32_t, uint32_t*) override { return 1; }
  uint32_t revokeClassObject(uint32_t) override { return 1; }
  uint32_t addComponentPath(const char* path, uint32_t, uint32_t) override {
    ++state.componentPathCalls;
    std::strncpy(state.componentPath, path ? path : "", sizeof state.componentPath - 1);
    return 0;
  }
  uint32_t getClassObject(const mzIIDS&, mzIUnknown** out) override {
    *out = nullptr;
    return 1;
  }
  uint32_t getClassObjects(const mzIIDS&, uint32_t, const mzIIDS&, mzIComObjectCollection** out) override {
    *out = nullptr;
    return 1;
  }
};

remoteEngineC engine;

}  // namespace

extern "C" {

__attribute__((visibility("default"))) uint32_t mzComGetRemoteEngine(mzIComEngine** out) {
  engine.AddRef();
  *out = &engine;
  return 0;
}

__attribute__((visibility("default"))) uint32_t mzComTerminateRemoteEngine() {
  ++state.terminateCalls;
  return 0;
}

__attribute__((visibility("default"))) testRemoteEngineStateS* testRemoteEngineState() { return &state; }
}
