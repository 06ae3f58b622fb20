// Calls by name as a host makes them, and the values a script hands in and gets back: the
// helpers of every test that drives the library through Invoke.
//
// A call on a bare pointer (mzIDispatch*) answers the whole record of the call, its outcome,
// result and error texts, for the test to examine. A call on a held object (dispatchT) must
// succeed: it is checked where it is made and answers the plain value.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "library/metaClassFactoryC.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"
#include "proxy/proxyObjectC.h"

namespace invokeTest {

using dispatchT = mzSmartPtr<mzIDispatch>;

// Values a script hands in.
inline mzVariantS text(const char* value) { return mzVariantS(value); }

inline mzVariantS number(int32_t value) {
  mzVariantS v;
  v.setInt(value);
  return v;
}

inline mzVariantS doubleValue(double value) {
  mzVariantS v;
  v.setDouble(value);
  return v;
}

// An argument holding the object, with a reference of its own.
inline mzVariantS objectValue(mzIDispatch* object) { return mzVariantS(static_cast<mzIUnknown*>(object)); }
inline mzVariantS objectValue(const dispatchT& object) { return objectValue(object.get()); }

inline std::string textOf(const mzVariantS& v) {
  const char* text = nullptr;
  return v.getString(text) == 0 ? std::string(text) : std::string("<not a string>");
}

// One call and what it answered; the error object's texts are kept, the object released.
struct callS {
  uint32_t outcome = 0;
  mzVariantS result;
  std::string source;
  std::string description;
  mzSmartPtr<mzIException> inner;
};

inline callS call(mzIDispatch* object, const char* name, uint32_t kind,
                  std::initializer_list<mzVariantS> arguments = {}) {
  callS done;
  std::vector<mzVariantS> array(arguments);
  mzIException* error = nullptr;
  done.outcome = object->Invoke(name, kind, uint32_t(array.size()), array.data(), &done.result, &error);
  if (error) {
    mzVariantS text;
    error->getSource(&text);
    done.source = textOf(text);
    error->getDescription(&text);
    done.description = textOf(text);
    mzIException* innerError = nullptr;
    error->getInnerException(&innerError);
    done.inner.assign(innerError, false);
    error->Release();
  }
  return done;
}

inline callS call(const dispatchT& object, const char* name, uint32_t kind,
                  std::initializer_list<mzVariantS> arguments = {}) {
  return call(object.get(), name, kind, arguments);
}

inline callS method(mzIDispatch* object, const char* name, std::initializer_list<mzVariantS> arguments = {}) {
  return call(object, name, mzInvokeMethod, arguments);
}

inline callS get(mzIDispatch* object, const char* name) { return call(object, name, mzInvokePropertyGet); }

inline callS put(mzIDispatch* object, const char* name, const mzVariantS& value) {
  return call(object, name, mzInvokePropertyPut, {value});
}

// The object a call returned, with the result's reference handed over; empty for none.
inline dispatchT objectOf(callS&& done) {
  dispatchT object;
  if (done.result.type == mzVariantS::typeInterface && done.result.interfaceValue) {
    void* dispatch = nullptr;
    if (done.result.interfaceValue->QueryInterface(mzIID_IDispatch, &dispatch) == 0)
      object.assign(static_cast<mzIDispatch*>(dispatch), false);
  }
  return object;
}

// The object a get or a method gives; empty when the call fails or gives none.
inline dispatchT getObject(mzIDispatch* object, const char* name) { return objectOf(get(object, name)); }
inline dispatchT callObject(mzIDispatch* object, const char* name, std::initializer_list<mzVariantS> arguments = {}) {
  return objectOf(method(object, name, arguments));
}

// Results as plain values: -99 for an integer, NaN for a double and "<failed>" for a text
// when the call failed or gave another type.
inline int32_t intOf(const callS& done) {
  return done.outcome == 0 && done.result.type == mzVariantS::typeInt ? done.result.intValue : -99;
}

inline double doubleOf(const callS& done) {
  return done.outcome == 0 && done.result.type == mzVariantS::typeDouble ? done.result.doubleValue : std::nan("");
}

inline std::string textOf(const callS& done) {
  return done.outcome == 0 ? textOf(done.result) : std::string("<failed>");
}

// The type name the object reports, as the run-time type records write it.
inline std::string typeNameOf(mzIDispatch* object) {
  return object ? static_cast<proxyObjectC*>(object)->getTypeName() : "<none>";
}
inline std::string typeNameOf(const dispatchT& object) { return typeNameOf(object.get()); }

// A call that succeeded without a result.
inline void expectEmptyResult(const callS& done) {
  EXPECT_EQ(done.outcome, 0u);
  EXPECT_EQ(done.result.type, uint32_t(mzVariantS::typeEmpty));
}

inline void expectFailure(const callS& done, const char* source, const char* description = "Object call failed") {
  EXPECT_EQ(done.outcome, 1u);
  EXPECT_EQ(done.source, source);
  EXPECT_EQ(done.description, description);
}

// An index outside a list.
inline void expectOutOfRange(const callS& done) { expectFailure(done, "container", "out of range"); }

// The factory the class factory makes for the ProgID; empty when it makes none.
inline dispatchT factoryOf(const char* progId) {
  mzIDispatch* made = nullptr;
  createClassFactory()->CreateInstance(mzIIDS(progId), &made);
  return dispatchT(made, false);
}

// Calls that must succeed, on a held object: the object a call returns (empty when it returns
// none), and its shortcuts for a method, a property get and a property put.
inline dispatchT object(const dispatchT& target, const char* name, uint32_t kind = mzInvokePropertyGet,
                        std::initializer_list<mzVariantS> arguments = {}) {
  callS done = call(target, name, kind, arguments);
  EXPECT_EQ(done.outcome, 0u) << name << ": " << done.source << " / " << done.description;
  return objectOf(std::move(done));
}

inline dispatchT method(const dispatchT& target, const char* name, std::initializer_list<mzVariantS> arguments = {}) {
  return object(target, name, mzInvokeMethod, arguments);
}

inline dispatchT get(const dispatchT& target, const char* name) { return object(target, name); }

inline dispatchT put(const dispatchT& target, const char* name, const mzVariantS& value) {
  return object(target, name, mzInvokePropertyPut, {value});
}

// A double property; NaN for another type.
inline double real(const dispatchT& target, const char* name) {
  callS done = call(target, name, mzInvokePropertyGet);
  EXPECT_EQ(done.outcome, 0u) << name;
  EXPECT_EQ(done.result.type, mzVariantS::typeDouble) << name;
  return done.result.type == mzVariantS::typeDouble ? done.result.doubleValue : std::nan("");
}

// An integer result of a property, or of a method when arguments are given; -99 otherwise.
inline int32_t integer(const dispatchT& target, const char* name, std::initializer_list<mzVariantS> arguments = {},
                       uint32_t kind = mzInvokePropertyGet) {
  callS done = call(target, name, arguments.size() ? mzInvokeMethod : kind, arguments);
  EXPECT_EQ(done.outcome, 0u) << name << ": " << done.source;
  return intOf(done);
}

// A text property; "<failed>" when the get fails.
inline std::string textOf(const dispatchT& target, const char* name) {
  return textOf(call(target, name, mzInvokePropertyGet));
}

}  // namespace invokeTest
