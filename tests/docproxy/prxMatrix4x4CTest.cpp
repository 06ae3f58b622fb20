#include "docproxy/prxMatrix4x4C.h"

#include <gtest/gtest.h>

#include "tests/docproxy/mathProxyTest.h"

using namespace mathTest;

namespace {

matrixC4x4<double> matrixOf(const objectT& proxy) { return static_cast<prxMatrix4x4C*>(proxy.get())->getMatrix(); }

vectorC3d<double> image(const objectT& matrix, double x, double y, double z) {
  return components3d(method(matrix, "mul", {argument(vector3d(x, y, z))}));
}

void expectIdentity(const objectT& matrix) {
  const matrixC4x4<double> m = matrixOf(matrix);
  for (int n = 0; n < 16; ++n) EXPECT_NEAR(m.values[n], n % 5 == 0 ? 1.0 : 0.0, roundingTolerance) << n;
}

objectT rotated(const char* member, std::initializer_list<mzVariantS> arguments) {
  objectT m = matrix4x4(matrixC4x4<double>());
  EXPECT_EQ(method(m, member, arguments).get(), m.get());
  return m;
}

}  // namespace

TEST(prxMatrix4x4C, ProductsApplyTheArgumentFirst) {
  objectT a = matrix4x4(translation(1, 0, 0));
  objectT b = rotated("rotVector", {argument(vector3d(0, 0, 1)), intValue(90)});
  objectT ab = method(a, "mul", {argument(b)});
  objectT ba = method(b, "mul", {argument(a)});
  EXPECT_STREQ(typeNameOf(ab), "class prxMatrix4x4C *");
  expectNear(image(ab, 1, 0, 0), 1, 1, 0);
  expectNear(image(ba, 1, 0, 0), 0, 2, 0);
  expectNear(image(a, 1, 0, 0), 2, 0, 0);  // the operands keep their values
}

TEST(prxMatrix4x4C, MulTriesMatrixThen3dThen2dVector) {
  objectT m = matrix4x4(translation(1, 2, 3));
  expectNear(image(m, 4, 5, 6), 5, 7, 9);
  // An axis is a 3D vector and is taken as a point.
  expectNear(components3d(method(m, "mul", {argument(get(m, "T"))})), 2, 4, 6);

  objectT lift = matrix4x4(translation(0, 0, 5));
  objectT lifted = method(lift, "mul", {argument(vector2d(1, 1))});
  EXPECT_STREQ(typeNameOf(lifted), "class prxVector3dC *");
  expectNear(components3d(lifted), 1, 1, 5);

  callS failed = call(m.get(), "mul", mzInvokeMethod, {intValue(2)});
  EXPECT_EQ(failed.outcome, 1u);
  EXPECT_EQ(failed.source, "methode:mul(Para:1)");
  EXPECT_EQ(call(m.get(), "mul", mzInvokeMethod, {argument(hold(new prxMatrix3x3C()))}).outcome, 1u);
}

TEST(prxMatrix4x4C, RotationsReplaceTheWholeMatrix) {
  objectT m = matrix4x4(translation(1, 2, 3));
  EXPECT_EQ(method(m, "rotAngle", {intValue(0), intValue(90), doubleValue(90)}).get(), m.get());
  expectNear(image(m, 1, 0, 0), 0, 1, 0);
  expectNear(image(m, 0, 0, 1), 1, 0, 0);
  expectNear(components3d(get(m, "t")), 0, 0, 0);

  objectT turn = rotated("rotVector", {argument(vector3d(0, 0, 2)), intValue(90)});
  expectNear(image(turn, 1, 0, 0), 0, 1, 0);
}

TEST(prxMatrix4x4C, BadRotationArgumentsLeaveTheMatrixAlone) {
  objectT m = matrix4x4(translation(1, 2, 3));
  callS zeroAxis = call(m.get(), "rotVector", mzInvokeMethod, {argument(vector3d(0, 0, 0)), intValue(45)});
  EXPECT_EQ(zeroAxis.outcome, 1u);
  EXPECT_EQ(zeroAxis.source, "methode:rotVector");
  EXPECT_EQ(zeroAxis.description, "rotation axis without direction");

  EXPECT_EQ(call(m.get(), "rotVector", mzInvokeMethod, {argument(vector3d(0, 0, 1)), mzVariantS("45")}).outcome, 1u);
  EXPECT_EQ(call(m.get(), "rotAngle", mzInvokeMethod, {intValue(1), intValue(2), mzVariantS("3")}).outcome, 1u);
  const matrixC4x4<double> unchanged = translation(1, 2, 3);
  const matrixC4x4<double> now = matrixOf(m);
  for (int n = 0; n < 16; ++n) EXPECT_EQ(now.values[n], unchanged.values[n]) << n;
}

TEST(prxMatrix4x4C, InvIsTheTrueInverse) {
  objectT m = rotated("rotAngle", {intValue(0), intValue(90), intValue(90)});
  EXPECT_EQ(callObject(m, "T", mzInvokePropertyPut, {argument(vector3d(1, 2, 3))}).get(), m.get());
  objectT inverse = method(m, "inv");
  EXPECT_STREQ(typeNameOf(inverse), "class prxMatrix4x4C *");
  expectNear(components3d(get(inverse, "T")), -2, -3, -1);
  expectIdentity(method(inverse, "mul", {argument(m)}));
  expectIdentity(method(m, "mul", {argument(inverse)}));

  objectT quarterTurn = rotated("rotVector", {argument(vector3d(0, 0, 1)), intValue(90)});
  method(get(quarterTurn, "T"), "x", {intValue(1)}).release();
  method(get(quarterTurn, "T"), "y", {intValue(2)}).release();
  method(get(quarterTurn, "T"), "z", {intValue(3)}).release();
  expectNear(components3d(get(method(quarterTurn, "inv"), "T")), -2, 1, -3);

  // A scale is inverted, not transposed.
  matrixC4x4<double> scale = translation(2, 4, 6);
  scale.values[0] = scale.values[5] = scale.values[10] = 2.0;
  objectT halved = method(matrix4x4(scale), "inv");
  expectNear(image(halved, 2, 4, 6), 0, 0, 0);
  expectNear(image(halved, 4, 4, 4), 1, 0, -1);

  // A new matrix is zero, not the identity, and has no inverse.
  callS singular = call(matrix4x4(matrixC4x4<double>()).get(), "inv", mzInvokeMethod);
  EXPECT_EQ(singular.outcome, 1u);
  EXPECT_EQ(singular.source, "methode:inv");
  EXPECT_EQ(singular.description, "singular matrix");
  matrixC4x4<double> flat = translation(1, 1, 1);
  flat.values[8] = flat.values[9] = 0.1;  // Z axis (0.1, 0.1, 0) = (X + Y) / 10
  flat.values[10] = 0.0;
  EXPECT_EQ(call(matrix4x4(flat).get(), "inv", mzInvokeMethod).outcome, 1u);
}

TEST(prxMatrix4x4C, AxesAreLiveViews) {
  objectT m = matrix4x4(matrixC4x4<double>());
  for (const char* axis : {"X", "Y", "Z", "T"}) expectNear(components3d(get(m, axis)), 0, 0, 0);
  EXPECT_EQ(method(m, "ident").get(), m.get());
  expectNear(components3d(get(m, "x")), 1, 0, 0);
  expectNear(components3d(get(m, "y")), 0, 1, 0);
  expectNear(components3d(get(m, "z")), 0, 0, 1);
  expectNear(components3d(get(m, "t")), 0, 0, 0);

  objectT x = get(m, "X");
  EXPECT_STREQ(typeNameOf(x), "class prxVector3dC *");
  method(x, "x", {intValue(2)}).release();
  expectNear(image(m, 1, 0, 0), 2, 0, 0);
  EXPECT_EQ(get(m, "X").get(), x.get());

  // A put copies the vector into the axis; the vector stays apart from the matrix.
  objectT source = vector3d(0, 3, 0);
  callObject(m, "Y", mzInvokePropertyPut, {argument(source)}).release();
  method(source, "y", {intValue(9)}).release();
  expectNear(image(m, 0, 1, 0), 0, 3, 0);
  EXPECT_EQ(call(m.get(), "Z", mzInvokePropertyPut, {argument(vector2d(1, 1))}).outcome, 1u);
  expectNear(components3d(get(m, "Z")), 0, 0, 1);
}

TEST(prxMatrix4x4C, Conv3x3KeepsTheRotationBlockOnly) {
  matrixC4x4<double> m = translation(5, 6, 7);
  m.setRotationXYZ(0, 0, 90);
  m.values[12] = 5;
  objectT block = method(matrix4x4(m), "conv3x3");
  EXPECT_STREQ(typeNameOf(block), "class prxMatrix3x3C *");
  const matrixC3x3<double> b = static_cast<prxMatrix3x3C*>(block.get())->getMatrix();
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 3; ++row) EXPECT_EQ(b.values[row + 3 * column], m.values[row + 4 * column]);
  }
}
