#include "docproxy/prxMatrix3x3C.h"

#include <gtest/gtest.h>

#include "tests/docproxy/mathProxyTest.h"

using namespace mathTest;

namespace {

objectT matrix3x3(const matrixC3x3<double>& m) { return hold(new prxMatrix3x3C(m)); }

matrixC3x3<double> matrixOf(const objectT& proxy) { return static_cast<prxMatrix3x3C*>(proxy.get())->getMatrix(); }

// The identity with the 2D translation (10, 20).
matrixC3x3<double> shift() {
  matrixC3x3<double> m;
  m.ident();
  m.values[6] = 10;
  m.values[7] = 20;
  return m;
}

}  // namespace

TEST(prxMatrix3x3C, MulTriesMatrixThen3dThen2dVector) {
  objectT identity = method(hold(new prxMatrix3x3C()), "ident");
  objectT v = method(identity, "mul", {argument(vector3d(1, 2, 3))});
  EXPECT_STREQ(typeNameOf(v), "class prxVector3dC *");
  expectNear(components3d(v), 1, 2, 3);

  objectT moved = method(matrix3x3(shift()), "mul", {argument(vector2d(1, 2))});
  EXPECT_STREQ(typeNameOf(moved), "class prxVector2dC *");
  expectNear(components2d(moved), 11, 22);

  // Turn first, then shift.
  objectT turn = method(hold(new prxMatrix3x3C()), "rotAngle", {intValue(0), intValue(0), intValue(90)});
  objectT both = method(matrix3x3(shift()), "mul", {argument(turn)});
  EXPECT_STREQ(typeNameOf(both), "class prxMatrix3x3C *");
  expectNear(components2d(method(both, "mul", {argument(vector2d(1, 0))})), 10, 21);

  EXPECT_EQ(call(identity.get(), "mul", mzInvokeMethod, {argument(matrix4x4(translation(0, 0, 0)))}).outcome, 1u);
}

TEST(prxMatrix3x3C, InvIsTheTrueInverse) {
  objectT inverse = method(matrix3x3(shift()), "inv");
  const matrixC3x3<double> m = matrixOf(inverse);
  const double expected[9] = {1, 0, 0, 0, 1, 0, -10, -20, 1};
  for (int n = 0; n < 9; ++n) EXPECT_NEAR(m.values[n], expected[n], roundingTolerance) << n;
  expectNear(components2d(method(inverse, "mul", {argument(vector2d(11, 22))})), 1, 2);

  callS singular = call(hold(new prxMatrix3x3C()).get(), "inv", mzInvokeMethod);
  EXPECT_EQ(singular.outcome, 1u);
  EXPECT_EQ(singular.source, "methode:inv");
  EXPECT_EQ(singular.description, "singular matrix");
}

TEST(prxMatrix3x3C, AxesAreColumns) {
  objectT m = hold(new prxMatrix3x3C());
  EXPECT_EQ(callObject(m, "X", mzInvokePropertyPut, {argument(vector3d(1, 2, 3))}).get(), m.get());
  const matrixC3x3<double> set = matrixOf(m);
  EXPECT_EQ(set.values[0], 1.0);
  EXPECT_EQ(set.values[1], 2.0);
  EXPECT_EQ(set.values[2], 3.0);
  for (int n = 3; n < 9; ++n) EXPECT_EQ(set.values[n], 0.0) << n;

  method(get(m, "z"), "z", {intValue(4)}).release();
  EXPECT_EQ(matrixOf(m).values[8], 4.0);
  EXPECT_EQ(call(m.get(), "T", mzInvokePropertyGet).outcome, 1u);
}
