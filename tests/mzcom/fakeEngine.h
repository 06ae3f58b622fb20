// A host engine for tests of the library's engine calls: it records every call it receives
// and answers with results a test can tell apart. Fakes live on the test's stack and start
// with the test's own reference, so a test checks that every reference taken was given back.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "mzcom/mzIComEngine.h"
#include "mzcom/mzIComEngineFactory.h"
#include "mzcom/mzIComEngineRot.h"
#include "mzcom/mzIComFileMoniker.h"
#include "mzcom/mzIComManagers.h"
#include "mzcom/mzIComMarshal.h"
#include "mzcom/mzIComMessageOutput.h"
#include "mzcom/mzIComObjectCollection.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"

// Appends "name(a,b,...)" to log.
inline void recordCall(std::string& log, const std::string& name, std::initializer_list<uintptr_t> values) {
  log += name + "(";
  const char* separator = "";
  for (uintptr_t value : values) {
    log += separator + std::to_string(value);
    separator = ",";
  }
  log += ")";
}

// One object answering every interface the library reaches through the engine: the marshaller,
// the managers, a file moniker and a message output. Calls go to its log, tagged with its name;
// each returns answer.
class fakeEngineObjectC final : public mzIComMarshal,
                                public mzIComSharedMemoryManager,
                                public mzIComChannelManager,
                                public mzIComMutexManager,
                                public mzIComFileMoniker,
                                public mzIComMessageOutput {
 public:
  uint32_t references = 1;
  uint32_t answer = 0;
  std::string name;
  std::string log;

  explicit fakeEngineObjectC(std::string tag, uint32_t result = 0) : answer(result), name(std::move(tag)) {}

  mzIUnknown* unknown() { return static_cast<mzIComMarshal*>(this); }
  // As the engine hands it out under "MZCOMFILEMONIKER".
  mzIUnknown* moniker() { return static_cast<mzIComFileMoniker*>(this); }

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (iid.isEqual(mzIID_IUnknown) || iid.isEqual(mzIID_IComMarshal)) {
      *out = static_cast<mzIComMarshal*>(this);
    } else if (iid.isEqual(mzIID_IComSharedMemoryManager)) {
      *out = static_cast<mzIComSharedMemoryManager*>(this);
    } else if (iid.isEqual(mzIID_IComChannelManager)) {
      *out = static_cast<mzIComChannelManager*>(this);
    } else if (iid.isEqual(mzIID_IComMutexManager)) {
      *out = static_cast<mzIComMutexManager*>(this);
    } else if (iid.isEqual(mzIID_ComFileMoniker)) {
      *out = static_cast<mzIComFileMoniker*>(this);
    } else if (iid.isEqual(mzIID_IComMessageOutput)) {
      *out = static_cast<mzIComMessageOutput*>(this);
    } else {
      *out = nullptr;
      return 1;
    }
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return --references; }

  uint32_t marshalOperation1(uintptr_t a, uintptr_t b, uintptr_t c) override { return call("marshal1", {a, b, c}); }
  uint32_t marshalOperation2(uintptr_t a, uintptr_t b) override { return call("marshal2", {a, b}); }
  uint32_t marshalOperation3(uintptr_t a, uintptr_t b) override { return call("marshal3", {a, b}); }
  uint32_t marshalOperation4(uintptr_t a, uintptr_t b, uintptr_t c) override { return call("marshal4", {a, b, c}); }
  uint32_t marshalOperation5(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d, uintptr_t e, uintptr_t f,
                             uintptr_t g, uintptr_t h, uintptr_t i) override {
    return call("marshal5", {a, b, c, d, e, f, g, h, i});
  }
  uint32_t marshalOperation6(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d, uintptr_t e) override {
    return call("marshal6", {a, b, c, d, e});
  }
  uint32_t marshalOperation7(uintptr_t a, uintptr_t b) override { return call("marshal7", {a, b}); }
  uint32_t managerOperation1(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) override {
    return call("manager", {a, b, c, d});
  }
  uint32_t managerOperation1(uintptr_t a, uintptr_t b, uintptr_t c) override { return call("manager", {a, b, c}); }
  uint32_t monikerOperation1(uintptr_t a, uintptr_t b, uintptr_t c) override { return call("moniker", {a, b, c}); }
  uint32_t writeMessage(int32_t code, mzVariantS* text) override {
    log += name + ":" + std::to_string(code) + " " + (text && text->stringText() ? text->stringText() : "<none>");
    return answer;
  }

 private:
  uint32_t call(const char* operation, std::initializer_list<uintptr_t> values) {
    recordCall(log, name + ":" + operation, values);
    return answer;
  }
};

// The collection the fake engine hands out; an item index in failing cannot be had.
class fakeCollectionC final : public mzIComObjectCollection {
 public:
  uint32_t references = 1;
  std::vector<mzIUnknown*> items;
  std::vector<uint32_t> failing;

  uint32_t QueryInterface(const mzIIDS&, void** out) override {
    *out = nullptr;
    return 1;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return --references; }
  uint32_t getCount(uint32_t* count) override {
    *count = uint32_t(items.size());
    return 0;
  }
  uint32_t getItem(uint32_t index, mzIUnknown** out) override {
    for (uint32_t skipped : failing) {
      if (skipped == index) return 1;
    }
    if (index >= items.size()) return 1;
    items[index]->AddRef();
    *out = items[index];
    return 0;
  }
};

class fakeEngineC final : public mzIComEngine, public mzIComEngineFactory, public mzIComEngineRot {
 public:
  struct registrationS {
    mzIIDS classId;
    mzIUnknown* object;
    uint32_t flags;
    uint32_t cookie;
  };

  uint32_t references = 1;
  bool answersServices = true;
  uint32_t answer = 7;  // result of the pass-through operations
  std::string log;      // pass-through calls, revocations and component paths
  std::vector<registrationS> registered;
  uint32_t nextCookie = 1;
  std::vector<std::pair<mzIIDS, mzIUnknown*>> classObjects;    // found by getClassObject
  std::vector<std::pair<mzIIDS, mzIUnknown*>> runningObjects;  // found by findRunningObject
  fakeCollectionC collection;                                 // handed out by getClassObjects
  std::string classObjectsQuery;

  ~fakeEngineC() {
    for (registrationS& registration : registered) registration.object->Release();
  }

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (iid.isEqual(mzIID_IUnknown)) {
      *out = static_cast<mzIComEngine*>(this);
    } else if (answersServices && iid.isEqual(mzIID_ComEngineFactory)) {
      *out = static_cast<mzIComEngineFactory*>(this);
    } else if (answersServices && iid.isEqual(mzIID_ComEngineRot)) {
      *out = static_cast<mzIComEngineRot*>(this);
    } else {
      *out = nullptr;
      return 1;
    }
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return --references; }
  uint32_t engineOperation1(uintptr_t a, uintptr_t b, uintptr_t c) override { return call("engine", {a, b, c}); }

  uint32_t registerClassObject(const mzIIDS& classId, mzIUnknown* object, uint32_t flags, uint32_t* cookie) override {
    object->AddRef();
    registrationS registration{{}, object, flags, nextCookie++};
    classId.copyTo(registration.classId);
    registered.push_back(registration);
    *cookie = registration.cookie;
    return 0;
  }
  uint32_t revokeClassObject(uint32_t cookie) override {
    recordCall(log, "revoke", {cookie});
    for (auto it = registered.begin(); it != registered.end(); ++it) {
      if (it->cookie != cookie) continue;
      it->object->Release();
      registered.erase(it);
      return 0;
    }
    return 1;
  }
  uint32_t addComponentPath(const char* path, uint32_t a, uint32_t b) override {
    return call(std::string("path:") + path, {a, b});
  }
  uint32_t getClassObject(const mzIIDS& classId, mzIUnknown** out) override {
    for (auto& [id, object] : classObjects) {
      if (!id.isEqual(classId)) continue;
      object->AddRef();
      *out = object;
      return 0;
    }
    *out = nullptr;
    return 1;
  }
  uint32_t getClassObjects(const mzIIDS& classId, uint32_t flags, const mzIIDS& iid,
                           mzIComObjectCollection** out) override {
    char classText[mzIIDS::textBufferSize], iidText[mzIIDS::textBufferSize];
    classId.toString(classText);
    iid.toString(iidText);
    classObjectsQuery = std::string(classText) + " " + std::to_string(flags) + " " + iidText;
    collection.AddRef();
    *out = &collection;
    return 0;
  }

  uint32_t findRunningObject(const mzIIDS& id, const mzIIDS& iid, uint32_t reserved, void** out) override {
    if (reserved != 0) return 1;
    for (auto& [runningId, object] : runningObjects) {
      if (runningId.isEqual(id)) return object->QueryInterface(iid, out);
    }
    return 1;
  }
  uint32_t rotOperation2(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) override {
    return call("rot2", {a, b, c, d});
  }
  uint32_t rotOperation3(uintptr_t a) override { return call("rot3", {a}); }
  uint32_t rotOperation4(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) override {
    return call("rot4", {a, b, c, d});
  }
  uint32_t rotOperation5(uintptr_t a) override { return call("rot5", {a}); }
  uint32_t rotOperation6() override { return call("rot6", {}); }

 private:
  uint32_t call(const std::string& operation, std::initializer_list<uintptr_t> values) {
    recordCall(log, operation, values);
    return answer;
  }
};
