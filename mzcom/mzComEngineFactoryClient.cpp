#include "mzcom/mzComEngineFactoryClient.h"

#include "mzcom/mzComServiceCall.h"
#include "mzcom/mzIComEngineFactory.h"
#include "mzcom/mzIComFileMoniker.h"
#include "mzcom/mzIComObjectCollection.h"
#include "mzcom/mzIIDConstants.h"

namespace {

template <class Operation>
uint32_t callFactoryService(Operation operation) {
  return mzComCallService<mzIComEngineFactory>(mzIID_ComEngineFactory, operation);
}

// 0 when one of the engine's file monikers answers (a, b, c) with 0.
uint32_t offerToFileMonikers(uintptr_t a, uintptr_t b, uintptr_t c) {
  mzIComObjectCollection* collection = nullptr;
  if (mzComGetClassObjects(mzIID_ComFileMoniker, 1, mzIID_ComFileMoniker, &collection) != 0 || !collection) return 1;
  mzSmartPtr<mzIComObjectCollection> heldCollection(collection, false);
  uint32_t count = 0;
  if (collection->getCount(&count) != 0) return 1;
  for (uint32_t index = 0; index < count; ++index) {
    mzIUnknown* item = nullptr;
    if (collection->getItem(index, &item) != 0 || !item) continue;
    mzSmartPtr<mzIComFileMoniker> moniker(static_cast<mzIComFileMoniker*>(item), false);
    if (moniker->monikerOperation1(a, b, c) == 0) return 0;
  }
  return 1;
}

}  // namespace

uint32_t mzComRegisterClassObject(const mzIIDS& classId, mzIUnknown* object, uint32_t flags, uint32_t* cookie) {
  return callFactoryService(
      [&](mzIComEngineFactory& factory) { return factory.registerClassObject(classId, object, flags, cookie); });
}

uint32_t mzComRevokeClassObject(uint32_t cookie) {
  return callFactoryService([&](mzIComEngineFactory& factory) { return factory.revokeClassObject(cookie); });
}

uint32_t mzComAddComponentPath(const char* path, uint32_t a, uint32_t b) {
  return callFactoryService([&](mzIComEngineFactory& factory) { return factory.addComponentPath(path, a, b); });
}

uint32_t mzComGetClassObject(const mzIIDS& classId, const mzIIDS& iid, void** out) {
  return callFactoryService([&](mzIComEngineFactory& factory) -> uint32_t {
    mzIUnknown* object = nullptr;
    uint32_t result = factory.getClassObject(classId, &object);
    mzSmartPtr<mzIUnknown> heldObject(object, false);
    if (result != 0) return result;
    if (!object) return 1;
    return object->QueryInterface(iid, out);
  });
}

uint32_t mzComGetClassObjects(const mzIIDS& classId, uint32_t flags, const mzIIDS& iid,
                              mzIComObjectCollection** out) {
  return callFactoryService(
      [&](mzIComEngineFactory& factory) { return factory.getClassObjects(classId, flags, iid, out); });
}

uint32_t mzComRegisterClassFactory(mzIUnknown* factory, uint32_t* cookie) {
  void* unknown = nullptr;
  if (!factory || factory->QueryInterface(mzIID_IUnknown, &unknown) != 0 || !unknown) return 1;
  mzSmartPtr<mzIUnknown> heldUnknown(static_cast<mzIUnknown*>(unknown), false);
  return mzComRegisterClassObject(mzIID_IClassFactory, heldUnknown.get(), 1, cookie);
}

uint32_t createInstanceByName(const char* className, const mzIIDS& iid, void** out) {
  return mzComGetClassObject(mzIIDS(className), iid, out);
}

uint32_t mzComFileMonikerCall(uintptr_t a, uintptr_t b, uintptr_t c) { return offerToFileMonikers(a, b, c); }

uint32_t mzComFileMonikerTest(uintptr_t a, uintptr_t b, uint32_t* found) {
  uint32_t answered = 0;
  uintptr_t answer = 0;
  if (offerToFileMonikers(a, b, reinterpret_cast<uintptr_t>(&answer)) == 0) answered = 1;
  if (found) *found = answered;
  return 0;
}
