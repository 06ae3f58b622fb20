// Drives the math proxies as a host does: every call goes through Invoke
// (tests/helpers/scriptCalls.h).
#pragma once

#include <gtest/gtest.h>

#include "docproxy/prxMatrix3x3C.h"
#include "docproxy/prxMatrix4x4C.h"
#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"
#include "geom/matrixC4x4.h"
#include "tests/geom/vectorTest.h"
#include "tests/helpers/scriptCalls.h"

namespace mathTest {

using namespace invokeTest;

// The host's reference on a new proxy.
inline dispatchT hold(proxyObjectC* proxy) { return dispatchT(static_cast<mzIDispatch*>(proxy)); }

inline dispatchT vector3d(double x, double y, double z) {
  return hold(new prxVector3dC(0, vectorC3d<double>(x, y, z)));
}

inline dispatchT vector2d(double x, double y) { return hold(new prxVector2dC(0, vectorC2d<double>(x, y))); }

inline dispatchT matrix4x4(const matrixC4x4<double>& m) { return hold(new prxMatrix4x4C(m)); }

// The components read through x, y, z.
inline vectorC3d<double> components3d(const dispatchT& vector) {
  return vectorC3d<double>(real(vector, "x"), real(vector, "y"), real(vector, "z"));
}

inline vectorC2d<double> components2d(const dispatchT& vector) {
  return vectorC2d<double>(real(vector, "x"), real(vector, "y"));
}

}  // namespace mathTest
