// Drives the math proxies as a host does: every call goes through Invoke.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "geom/matrixC4x4.h"
#include "docproxy/prxMatrix3x3C.h"
#include "docproxy/prxMatrix4x4C.h"
#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"
#include "tests/geom/vectorTest.h"
#include "tests/proxy/invokeHelpers.h"

namespace mathTest {

using invokeTest::call;
using invokeTest::callS;
using invokeTest::doubleValue;
using invokeTest::intValue;
using invokeTest::objectOf;

using objectT = mzSmartPtr<mzIDispatch>;

// The host's reference on a new proxy.
inline objectT hold(proxyObjectC* proxy) { return objectT(static_cast<mzIDispatch*>(proxy)); }

inline objectT vector3d(double x, double y, double z) { return hold(new prxVector3dC(0, vectorC3d<double>(x, y, z))); }

inline objectT vector2d(double x, double y) { return hold(new prxVector2dC(0, vectorC2d<double>(x, y))); }

inline objectT matrix4x4(const matrixC4x4<double>& m) { return hold(new prxMatrix4x4C(m)); }

inline matrixC4x4<double> translation(double x, double y, double z) {
  matrixC4x4<double> m;
  m.ident();
  m.values[12] = x;
  m.values[13] = y;
  m.values[14] = z;
  return m;
}

// An argument holding the object, with a reference of its own.
inline mzVariantS argument(const objectT& object) {
  mzVariantS value;
  value.setDispatch(object.get());
  return value;
}

// The object a successful call returned.
inline objectT callObject(const objectT& object, const char* name, uint32_t kind,
                          std::initializer_list<mzVariantS> arguments = {}) {
  callS done = call(object.get(), name, kind, arguments);
  EXPECT_EQ(done.outcome, 0u) << name << ": " << done.source << " " << done.description;
  return objectOf(std::move(done));
}

inline objectT method(const objectT& object, const char* name, std::initializer_list<mzVariantS> arguments = {}) {
  return callObject(object, name, mzInvokeMethod, arguments);
}

inline objectT get(const objectT& object, const char* name) { return callObject(object, name, mzInvokePropertyGet); }

inline double number(const objectT& object, const char* name) {
  callS done = call(object.get(), name, mzInvokePropertyGet);
  EXPECT_EQ(done.outcome, 0u) << name;
  EXPECT_EQ(done.result.type, mzVariantS::typeDouble) << name;
  return done.result.doubleValue;
}

// The components read through x, y, z.
inline vectorC3d<double> components3d(const objectT& vector) {
  return vectorC3d<double>(number(vector, "x"), number(vector, "y"), number(vector, "z"));
}

inline vectorC2d<double> components2d(const objectT& vector) {
  return vectorC2d<double>(number(vector, "x"), number(vector, "y"));
}

inline const char* typeNameOf(const objectT& object) {
  return object ? static_cast<proxyObjectC*>(object.get())->getTypeName() : "<none>";
}

}  // namespace mathTest
