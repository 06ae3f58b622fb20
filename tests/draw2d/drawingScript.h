// Drives the 2D family as a script does: the 2D factory F, documents read through
// F.createFromString, and every member reached through Invoke. Calls that must succeed are
// checked where they are made; results come back as plain values.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "draw2d/proxies/prxm2dObjectFactoryC.h"
#include "geom/vectorC2d.h"
#include "tests/proxy/metaProxyTestHelpers.h"

namespace drawingScript {

using dispatchT = mzSmartPtr<mzIDispatch>;
using invokeTest::callS;
using invokeTest::doubleValue;
using metaProxyTest::number;
using metaProxyTest::text;
using metaProxyTest::written;

inline callS call(const dispatchT& object, const char* name, uint32_t kind,
                  std::initializer_list<mzVariantS> arguments = {}) {
  return invokeTest::call(object.get(), name, kind, arguments);
}

// The object a call that must succeed returns (empty when it returns none).
inline dispatchT object(const dispatchT& target, const char* name, uint32_t kind = mzInvokePropertyGet,
                        std::initializer_list<mzVariantS> arguments = {}) {
  callS done = call(target, name, kind, arguments);
  EXPECT_EQ(done.outcome, 0u) << name << ": " << done.source << " / " << done.description;
  return invokeTest::objectOf(std::move(done));
}

inline dispatchT method(const dispatchT& target, const char* name, std::initializer_list<mzVariantS> arguments = {}) {
  return object(target, name, mzInvokeMethod, arguments);
}

inline dispatchT put(const dispatchT& target, const char* name, const mzVariantS& value) {
  return object(target, name, mzInvokePropertyPut, {value});
}

// A double property; NaN for a failed call or another type.
inline double real(const dispatchT& target, const char* name) {
  callS done = call(target, name, mzInvokePropertyGet);
  EXPECT_EQ(done.outcome, 0u) << name;
  EXPECT_EQ(done.result.type, mzVariantS::typeDouble) << name;
  return done.result.type == mzVariantS::typeDouble ? done.result.doubleValue : __builtin_nan("");
}

// An integer result of a property, or of a method when arguments are given; -99 otherwise.
inline int32_t integer(const dispatchT& target, const char* name, std::initializer_list<mzVariantS> arguments = {},
                       uint32_t kind = mzInvokePropertyGet) {
  callS done = call(target, name, arguments.size() ? mzInvokeMethod : kind, arguments);
  EXPECT_EQ(done.outcome, 0u) << name << ": " << done.source;
  return metaProxyTest::intOf(done);
}

inline std::string textOf(const dispatchT& target, const char* name) {
  return metaProxyTest::textOf(call(target, name, mzInvokePropertyGet));
}

// The x and y a vector or point object answers, or a property holding one.
inline vectorC2d<double> point(const dispatchT& vector) { return vectorC2d<double>(real(vector, "x"), real(vector, "y")); }
inline vectorC2d<double> point(const dispatchT& target, const char* name) { return point(object(target, name)); }

inline void expectPoint(const vectorC2d<double>& p, double x, double y, double tolerance = 1e-9) {
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
}

inline mzVariantS argument(const dispatchT& target) {
  mzVariantS value;
  value.setDispatch(target.get());
  return value;
}

inline void expectFailure(const callS& done, const char* source, const char* description = "Object call failed") {
  EXPECT_EQ(done.outcome, 1u);
  EXPECT_EQ(done.source, source);
  EXPECT_EQ(done.description, description);
}

inline std::string compact(const dispatchT& target) { return written(target.get()); }

// The 2D factory F, and F's conversions of documents read from text.
struct scriptC {
  dispatchT factory{static_cast<mzIDispatch*>(new prxm2dObjectFactoryC(0))};

  // F.createFromString(text).
  dispatchT read(const char* treeText) const { return method(factory, "createFromString", {text(treeText)}); }
  // F.<conversion>(object).
  dispatchT to(const char* conversion, const dispatchT& source) const {
    return method(factory, conversion, {argument(source)});
  }
  // F.<conversion>(F.createFromString(text)).
  dispatchT make(const char* conversion, const char* treeText) const { return to(conversion, read(treeText)); }
};

}  // namespace drawingScript
