#include "mzcom/mzComEngineObjectCalls.h"

#include "mzcom/mzComServiceCall.h"
#include "mzcom/mzIComManagers.h"
#include "mzcom/mzIComMarshal.h"
#include "mzcom/mzIIDConstants.h"

namespace {

template <class Operation>
uint32_t callMarshaller(Operation operation) {
  return mzComCallClassObject<mzIComMarshal>(mzIID_ComDefaultMarshaller, mzIID_IComMarshal, operation);
}

}  // namespace

uint32_t mzComEngineCall(uintptr_t a, uintptr_t b, uintptr_t c) {
  return mzComCallEngine([&](mzIComEngine& engine) { return engine.engineOperation1(a, b, c); });
}

uint32_t mzComMarshalCall1(uintptr_t a, uintptr_t b, uintptr_t c) {
  return callMarshaller([&](mzIComMarshal& marshal) { return marshal.marshalOperation1(a, b, c); });
}

uint32_t mzComMarshalCall2(uintptr_t a, uintptr_t b) {
  return callMarshaller([&](mzIComMarshal& marshal) { return marshal.marshalOperation2(a, b); });
}

uint32_t mzComMarshalCall3(uintptr_t a, uintptr_t b) {
  return callMarshaller([&](mzIComMarshal& marshal) { return marshal.marshalOperation3(a, b); });
}

uint32_t mzComMarshalCall4(uintptr_t a, uintptr_t b, uintptr_t c) {
  return callMarshaller([&](mzIComMarshal& marshal) { return marshal.marshalOperation4(a, b, c); });
}

uint32_t mzComMarshalCall5(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d, uintptr_t e, uintptr_t f, uintptr_t g,
                           uintptr_t h, uintptr_t i) {
  return callMarshaller(
      [&](mzIComMarshal& marshal) { return marshal.marshalOperation5(a, b, c, d, e, f, g, h, i); });
}

uint32_t mzComMarshalCall6(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d, uintptr_t e) {
  return callMarshaller([&](mzIComMarshal& marshal) { return marshal.marshalOperation6(a, b, c, d, e); });
}

uint32_t mzComMarshalCall7(uintptr_t a, uintptr_t b) {
  return callMarshaller([&](mzIComMarshal& marshal) { return marshal.marshalOperation7(a, b); });
}

uint32_t mzComSharedMemoryManagerCall(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) {
  return mzComCallNamedClassObject<mzIComSharedMemoryManager>(
      "MZIIDSHMEMMGRIMPL", mzIID_IComSharedMemoryManager,
      [&](mzIComSharedMemoryManager& manager) { return manager.managerOperation1(a, b, c, d); });
}

uint32_t mzComChannelManagerCall(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) {
  return mzComCallNamedClassObject<mzIComChannelManager>(
      "MZIIDCHMGRIMPL", mzIID_IComChannelManager,
      [&](mzIComChannelManager& manager) { return manager.managerOperation1(a, b, c, d); });
}

uint32_t mzComMutexManagerCall(uintptr_t a, uintptr_t b, uintptr_t c) {
  return mzComCallNamedClassObject<mzIComMutexManager>(
      "MZIIDMUTEXMGRIMPL", mzIID_IComMutexManager,
      [&](mzIComMutexManager& manager) { return manager.managerOperation1(a, b, c); });
}
