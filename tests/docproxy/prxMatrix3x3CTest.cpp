#include "docproxy/prxMatrix3x3C.h"

#include <gtest/gtest.h>

#include "tests/docproxy/mathProxyTest.h"

using namespace mathTest;

namespace {

dispatchT matrix3x3(const matrixC3x3<double>& m) { return hold(new prxMatrix3x3C(m)); }

matrixC3x3<double> matrixOf(const dispatchT& proxy) { return static_cast<prxMatrix3x3C*>(proxy.get())->getMatrix(); }

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
  dispatchT identity = method(hold(new prxMatrix3x3C()), "ident");
  dispatchT v = method(identity, "mul", {objectValue(vector3d(1, 2, 3))});
  EXPECT_EQ(typeNameOf(v), "class prxVector3dC *");
  expectNear(components3d(v), 1, 2, 3);

  dispatchT moved = method(matrix3x3(shift()), "mul", {objectValue(vector2d(1, 2))});
  EXPECT_EQ(typeNameOf(moved), "class prxVector2dC *");
  expectNear(components2d(moved), 11, 22);

  // Turn first, then shift.
  dispatchT turn = method(hold(new prxMatrix3x3C()), "rotAngle", {number(0), number(0), number(90)});
  dispatchT both = method(matrix3x3(shift()), "mul", {objectValue(turn)});
  EXPECT_EQ(typeNameOf(both), "class prxMatrix3x3C *");
  expectNear(components2d(method(both, "mul", {objectValue(vector2d(1, 0))})), 10, 21);

  EXPECT_EQ(call(identity.get(), "mul", mzInvokeMethod, {objectValue(matrix4x4(translation(0, 0, 0)))}).outcome, 1u);
}

TEST(prxMatrix3x3C, InvIsTheTrueInverse) {
  dispatchT inverse = method(matrix3x3(shift()), "inv");
  const matrixC3x3<double> m = matrixOf(inverse);
  const double expected[9] = {1, 0, 0, 0, 1, 0, -10, -20, 1};
  for (int n = 0; n < 9; ++n) EXPECT_NEAR(m.values[n], expected[n], roundingTolerance) << n;
  expectNear(components2d(method(inverse, "mul", {objectValue(vector2d(11, 22))})), 1, 2);

  callS singular = call(hold(new prxMatrix3x3C()).get(), "inv", mzInvokeMethod);
  EXPECT_EQ(singular.outcome, 1u);
  EXPECT_EQ(singular.source, "methode:inv");
  EXPECT_EQ(singular.description, "singular matrix");
}

TEST(prxMatrix3x3C, AxesAreColumns) {
  dispatchT m = hold(new prxMatrix3x3C());
  EXPECT_EQ(object(m, "X", mzInvokePropertyPut, {objectValue(vector3d(1, 2, 3))}).get(), m.get());
  const matrixC3x3<double> set = matrixOf(m);
  EXPECT_EQ(set.values[0], 1.0);
  EXPECT_EQ(set.values[1], 2.0);
  EXPECT_EQ(set.values[2], 3.0);
  for (int n = 3; n < 9; ++n) EXPECT_EQ(set.values[n], 0.0) << n;

  method(get(m, "z"), "z", {number(4)}).release();
  EXPECT_EQ(matrixOf(m).values[8], 4.0);
  EXPECT_EQ(call(m.get(), "T", mzInvokePropertyGet).outcome, 1u);
}
