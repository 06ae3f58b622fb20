// Calls on the record families' script objects as a host makes them: factories from the
// class factory by ProgID, members by name, results as plain values.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "library/metaClassFactoryC.h"
#include "proxy/proxyObjectC.h"
#include "tests/proxy/metaProxyTestHelpers.h"

namespace jobProxyTest {

using namespace metaProxyTest;

// The factory the class factory makes for the ProgID; empty when it makes none.
inline dispatchT factoryOf(const char* progId) {
  mzIDispatch* made = nullptr;
  createClassFactory()->CreateInstance(mzIIDS(progId), &made);
  return dispatchT(made, false);
}

inline mzVariantS objectValue(mzIDispatch* object) { return mzVariantS(static_cast<mzIUnknown*>(object)); }

inline invokeTest::callS put(mzIDispatch* object, const char* name, const mzVariantS& value) {
  return invokeTest::call(object, name, mzInvokePropertyPut, {value});
}

// The object a get or a method without arguments gives.
inline dispatchT getObject(mzIDispatch* object, const char* name) { return objectOf(get(object, name)); }
inline dispatchT callObject(mzIDispatch* object, const char* name, std::initializer_list<mzVariantS> arguments = {}) {
  return objectOf(method(object, name, arguments));
}

inline std::string typeNameOf(mzIDispatch* object) {
  return object ? static_cast<proxyObjectC*>(object)->getTypeName() : "<none>";
}

// A call that succeeded without a result.
inline void expectEmptyResult(const invokeTest::callS& done) {
  EXPECT_EQ(done.outcome, 0u);
  EXPECT_EQ(done.result.type, uint32_t(mzVariantS::typeEmpty));
}

inline void expectFailure(const invokeTest::callS& done, const char* source, const char* description) {
  EXPECT_EQ(done.outcome, 1u);
  EXPECT_EQ(done.source, source);
  EXPECT_EQ(done.description, description);
}

}  // namespace jobProxyTest
