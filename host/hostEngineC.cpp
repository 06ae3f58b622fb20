#include "host/hostEngineC.h"

#include "host/hostArrayC.h"
#include "host/hostMessageOutputC.h"
#include "host/hostObjectCollectionC.h"
#include "mzcom/mzIIDConstants.h"

namespace {

constexpr mzIIDS arrayClassId("rudezaze.array");

}  // namespace

hostEngineC* hostEngineC::create() {
  auto* made = new hostEngineC();
  made->AddRef();
  return made;
}

hostEngineC::~hostEngineC() {
  for (registrationS& registration : registered) registration.object->Release();
  for (runningObjectS& running : runningObjects) running.object->Release();
}

uint32_t hostEngineC::engineOperation1(uintptr_t, uintptr_t, uintptr_t) { return 1; }

uint32_t hostEngineC::registerClassObject(const mzIIDS& classId, mzIUnknown* object, uint32_t flags,
                                          uint32_t* cookie) {
  if (!object || !cookie) return 1;
  object->AddRef();
  registrationS registration{nextCookie++, {}, object, flags};
  classId.copyTo(registration.classId);
  registered.push_back(registration);
  *cookie = registration.cookie;
  return 0;
}

uint32_t hostEngineC::revokeClassObject(uint32_t cookie) {
  for (auto it = registered.begin(); it != registered.end(); ++it) {
    if (it->cookie != cookie) continue;
    mzIUnknown* object = it->object;
    registered.erase(it);
    revoked.push_back(cookie);
    object->Release();
    return 0;
  }
  return 1;
}

uint32_t hostEngineC::addComponentPath(const char* path, uint32_t, uint32_t) {
  if (!path) return 1;
  paths.emplace_back(path);
  return 0;
}

uint32_t hostEngineC::getClassObject(const mzIIDS& classId, mzIUnknown** out) {
  if (!out) return 1;
  *out = nullptr;
  if (classId.isEqual(arrayClassId)) {
    *out = static_cast<mzIDispatch*>(hostArrayC::create());
    return 0;
  }
  for (auto it = registered.rbegin(); it != registered.rend(); ++it) {
    if (!it->classId.isEqual(classId)) continue;
    it->object->AddRef();
    *out = it->object;
    return 0;
  }
  return 1;
}

uint32_t hostEngineC::getClassObjects(const mzIIDS& classId, uint32_t, const mzIIDS& iid,
                                      mzIComObjectCollection** out) {
  if (!out) return 1;
  hostObjectCollectionC* collection = hostObjectCollectionC::create();
  for (registrationS& registration : registered) {
    void* item = nullptr;
    if (!registration.classId.isEqual(classId) || registration.object->QueryInterface(iid, &item) != 0 || !item) {
      continue;
    }
    collection->add(static_cast<mzIUnknown*>(item));
    static_cast<mzIUnknown*>(item)->Release();
  }
  *out = collection;
  return 0;
}

uint32_t hostEngineC::findRunningObject(const mzIIDS& id, const mzIIDS& iid, uint32_t, void** out) {
  if (!out) return 1;
  *out = nullptr;
  for (runningObjectS& running : runningObjects) {
    if (running.id.isEqual(id)) return running.object->QueryInterface(iid, out);
  }
  return 1;
}

uint32_t hostEngineC::rotOperation2(uintptr_t, uintptr_t, uintptr_t, uintptr_t) { return 1; }
uint32_t hostEngineC::rotOperation3(uintptr_t) { return 1; }
uint32_t hostEngineC::rotOperation4(uintptr_t, uintptr_t, uintptr_t, uintptr_t) { return 1; }
uint32_t hostEngineC::rotOperation5(uintptr_t) { return 1; }
uint32_t hostEngineC::rotOperation6() { return 1; }

void hostEngineC::registerRunningObject(const mzIIDS& id, mzIUnknown* object) {
  if (!object) return;
  object->AddRef();
  revokeRunningObject(id);
  runningObjectS running{{}, object};
  id.copyTo(running.id);
  runningObjects.push_back(running);
}

bool hostEngineC::revokeRunningObject(const mzIIDS& id) {
  for (auto it = runningObjects.begin(); it != runningObjects.end(); ++it) {
    if (!it->id.isEqual(id)) continue;
    mzIUnknown* object = it->object;
    runningObjects.erase(it);
    object->Release();
    return true;
  }
  return false;
}

hostMessageOutputC* hostEngineC::startMessageOutput() {
  hostMessageOutputC* output = hostMessageOutputC::create();
  registerRunningObject(mzIID_ComMessageOutputService, output);
  output->Release();
  return output;
}
