#include <gtest/gtest.h>
#include <pthread.h>

#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"
#include "platform/threadHandle.h"
#include "proxy/proxyObjectC.h"
#include "tests/helpers/scriptCalls.h"
#include "tests/proxy/plainSlots.h"
#include "tests/proxy/testProxies.h"

using namespace plainSlots;
using invokeTest::textOf;

namespace {

using invokeFn = uint32_t (*)(void* self, const char* name, uint32_t kind, uint32_t count, mzVariantS* arguments,
                              mzVariantS* result, mzIException** error);
using typeNameFn = const char* (*)(void* self);
using nativePointerFn = void* (*)(void* self);
using connection1Fn = uint32_t (*)(void* self, uint32_t value);
using connection2Fn = uint32_t (*)(void* self, uint32_t first, uint32_t second);
using pointerOutFn = uint32_t (*)(void* self, void** out);

}  // namespace

TEST(proxyObjectC, AnswersInterfacesInItsOrderAndLeavesOutUntouchedOtherwise) {
  bool destroyed = false;
  auto* proxy = new testBaseProxyC();
  proxy->destroyed = &destroyed;
  mzIDispatch* dispatch = held(proxy);

  void* out = nullptr;
  EXPECT_EQ(dispatch->QueryInterface(mzIID_IDispatch, &out), 0u);
  EXPECT_EQ(out, dispatch);
  EXPECT_EQ(dispatch->QueryInterface(mzIIDS("MZIIDDSP"), &out), 0u);  // the text spelling of its bytes
  EXPECT_EQ(dispatch->QueryInterface(mzIID_IUnknown, &out), 0u);
  EXPECT_EQ(out, dispatch);

  void* untouched = reinterpret_cast<void*>(0x1234);
  out = untouched;
  EXPECT_EQ(dispatch->QueryInterface(mzIIDS("mziiddsp"), &out), 2u);
  EXPECT_EQ(out, untouched);
  EXPECT_EQ(dispatch->QueryInterface(mzIID_IException, &out), 2u);
  EXPECT_EQ(out, untouched);

  void* native = nullptr;
  EXPECT_EQ(dispatch->QueryInterface(mzIIDS("mzcomnatptr"), &native), 0u);
  ASSERT_NE(native, nullptr);
  EXPECT_NE(native, static_cast<void*>(dispatch));
  auto* nativePointer = static_cast<mzIComNativePointer*>(native);
  out = untouched;
  EXPECT_EQ(nativePointer->QueryInterface(mzIID_IDispatch, &out), 2u);
  EXPECT_EQ(out, untouched);
  EXPECT_EQ(nativePointer->QueryInterface(mzIID_IUnknown, &out), 0u);
  EXPECT_EQ(out, native);

  void* connection = nullptr;
  EXPECT_EQ(dispatch->QueryInterface(mzIIDS("MZCOMEXTCONN"), &connection), 0u);
  auto* external = static_cast<mzIComExternalConnection*>(connection);
  EXPECT_EQ(external->QueryInterface(mzIID_IComNativePointer, &out), 2u);
  EXPECT_EQ(proxy->referenceCount, 7u);

  // Every reference, whichever interface it came through, is one on the proxy.
  for (int i = 0; i < 3; ++i) dispatch->Release();
  nativePointer->Release();
  nativePointer->Release();
  EXPECT_EQ(external->Release(), 1u);
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(dispatch->Release(), 0u);
  EXPECT_TRUE(destroyed);
}

TEST(proxyObjectC, CountsFromZeroOrOneAndDeletesAtTheLastRelease) {
  bool destroyed = false;
  auto* proxy = new testBaseProxyC(0);
  proxy->destroyed = &destroyed;
  EXPECT_EQ(proxy->referenceCount, 0u);
  EXPECT_EQ(proxy->AddRef(), 1u);
  EXPECT_EQ(proxy->Release(), 0u);
  EXPECT_TRUE(destroyed);

  static const proxyClassC plainProxy("class proxyObjectC *", testBaseProxyC::rows, nullptr);
  auto* taken = new proxyObjectC(plainProxy, 1);
  EXPECT_EQ(taken->referenceCount, 1u);
  EXPECT_STREQ(taken->getTypeName(), "class proxyObjectC *");
  EXPECT_EQ(taken->getNativePointer(), static_cast<void*>(taken));
  EXPECT_EQ(taken->getMethodTable().owned, 0u);
  EXPECT_EQ(taken->Release(), 0u);

  int native = 0;
  auto* withNative = new proxyObjectC(&native, 7, plainProxy, 1);
  EXPECT_EQ(withNative->referenceCount, 1u);
  EXPECT_EQ(withNative->getNativePointer(), static_cast<void*>(withNative));
  withNative->Release();
}

TEST(proxyObjectC, PlainFunctionTableReachesEveryOperation) {
  bool destroyed = false;
  auto* proxy = new testBaseProxyC();
  proxy->destroyed = &destroyed;
  void* object = static_cast<mzIDispatch*>(proxy);

  EXPECT_EQ(slot<countFn>(object, 1)(object), 1u);
  void* out = nullptr;
  EXPECT_EQ(slot<queryInterfaceFn>(object, 0)(object, &mzIID_IUnknown, &out), 0u);
  EXPECT_EQ(out, object);
  EXPECT_EQ(slot<countFn>(object, 2)(object), 1u);

  mzVariantS argument;
  argument.setDouble(2.5);
  mzVariantS result;
  mzIException* error = nullptr;
  auto invoke = slot<invokeFn>(object, 3);
  EXPECT_EQ(invoke(object, "Value", mzInvokePropertyPut, 1, &argument, nullptr, &error), 0u);
  EXPECT_EQ(invoke(object, "Value", mzInvokePropertyGet, 0, nullptr, &result, &error), 0u);
  EXPECT_EQ(result.type, mzVariantS::typeDouble);
  EXPECT_EQ(result.doubleValue, 2.5);
  EXPECT_EQ(error, nullptr);

  EXPECT_STREQ(slot<typeNameFn>(object, 4)(object), "class testBaseProxyC *");
  EXPECT_EQ(slot<nativePointerFn>(object, 5)(object), static_cast<void*>(proxy));
  EXPECT_EQ(slot<connection1Fn>(object, 6)(object, 9), 0u);
  EXPECT_EQ(slot<connection2Fn>(object, 7)(object, 9, 9), 0u);
  uint32_t state = 0;
  EXPECT_EQ(slot<u32OutFn>(object, 8)(object, &state), 0u);
  EXPECT_EQ(state, 1u);

  void* native = nullptr;
  ASSERT_EQ(slot<queryInterfaceFn>(object, 0)(object, &mzIID_IComNativePointer, &native), 0u);
  EXPECT_EQ(slot<u32OutFn>(native, 3)(native, &state), 0u);
  EXPECT_EQ(state, threadHandle::currentThreadId());
  void* address = nullptr;
  EXPECT_EQ(slot<pointerOutFn>(native, 4)(native, &address), 0u);
  EXPECT_EQ(address, static_cast<void*>(proxy));
  EXPECT_EQ(slot<connection1Fn>(native, 5)(native, 0), 1u);
  mzVariantS name;
  EXPECT_EQ(slot<variantOutFn>(native, 6)(native, &name), 0u);
  EXPECT_EQ(textOf(name), "class testBaseProxyC *");
  EXPECT_EQ(slot<countFn>(native, 2)(native), 1u);

  void* external = nullptr;
  ASSERT_EQ(slot<queryInterfaceFn>(object, 0)(object, &mzIID_IComExternalConnection, &external), 0u);
  EXPECT_EQ(slot<connection1Fn>(external, 3)(external, 5), 0u);
  EXPECT_EQ(slot<connection2Fn>(external, 4)(external, 5, 6), 0u);
  state = 0;
  EXPECT_EQ(slot<u32OutFn>(external, 5)(external, &state), 0u);
  EXPECT_EQ(state, 1u);
  EXPECT_EQ(slot<countFn>(external, 2)(external), 1u);

  EXPECT_EQ(slot<countFn>(object, 2)(object), 0u);
  EXPECT_TRUE(destroyed);
}

namespace {

struct exitingThreadS {
  testBaseProxyC* proxy;
  bool returnedFromInvoke = false;
  bool unwound = false;
};

struct unwindWitnessS {
  bool* unwound;
  ~unwindWitnessS() { *unwound = true; }
};

void* callExitingHandler(void* argument) {
  auto* state = static_cast<exitingThreadS*>(argument);
  unwindWitnessS witness{&state->unwound};
  mzVariantS result;
  state->proxy->Invoke("Exit", mzInvokeMethod, 0, nullptr, &result, nullptr);
  state->returnedFromInvoke = true;
  return nullptr;
}

}  // namespace

TEST(proxyObjectC, ThreadExitInsideAHandlerStillUnwindsThroughInvoke) {
  exitingThreadS state{new testBaseProxyC(1)};
  state.proxy->onExit = [] { pthread_exit(nullptr); };
  pthread_t thread;
  ASSERT_EQ(pthread_create(&thread, nullptr, &callExitingHandler, &state), 0);
  pthread_join(thread, nullptr);
  EXPECT_FALSE(state.returnedFromInvoke);
  EXPECT_TRUE(state.unwound);
  EXPECT_EQ(state.proxy->Release(), 0u);
}
