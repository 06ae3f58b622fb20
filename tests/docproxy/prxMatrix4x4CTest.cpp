#include "docproxy/prxMatrix4x4C.h"

#include <gtest/gtest.h>

#include "tests/docproxy/mathProxyTest.h"

using namespace mathTest;

namespace {

matrixC4x4<double> matrixOf(const dispatchT& proxy) { return static_cast<prxMatrix4x4C*>(proxy.get())->getMatrix(); }

vectorC3d<double> image(const dispatchT& matrix, double x, double y, double z) {
  return components3d(method(matrix, "mul", {objectValue(vector3d(x, y, z))}));
}

void expectIdentity(const dispatchT& matrix) {
  const matrixC4x4<double> m = matrixOf(matrix);
  for (int n = 0; n < 16; ++n) EXPECT_NEAR(m.values[n], n % 5 == 0 ? 1.0 : 0.0, roundingTolerance) << n;
}

dispatchT rotated(const char* member, std::initializer_list<mzVariantS> arguments) {
  dispatchT m = matrix4x4(matrixC4x4<double>());
  EXPECT_EQ(method(m, member, arguments).get(), m.get());
  return m;
}

}  // namespace

TEST(prxMatrix4x4C, ProductsApplyTheArgumentFirst) {
  dispatchT a = matrix4x4(translation(1, 0, 0));
  dispatchT b = rotated("rotVector", {objectValue(vector3d(0, 0, 1)), number(90)});
  dispatchT ab = method(a, "mul", {objectValue(b)});
  dispatchT ba = method(b, "mul", {objectValue(a)});
  EXPECT_EQ(typeNameOf(ab), "class prxMatrix4x4C *");
  expectNear(image(ab, 1, 0, 0), 1, 1, 0);
  expectNear(image(ba, 1, 0, 0), 0, 2, 0);
  expectNear(image(a, 1, 0, 0), 2, 0, 0);  // the operands keep their values
}

TEST(prxMatrix4x4C, MulTriesMatrixThen3dThen2dVector) {
  dispatchT m = matrix4x4(translation(1, 2, 3));
  expectNear(image(m, 4, 5, 6), 5, 7, 9);
  // An axis is a 3D vector and is taken as a point.
  expectNear(components3d(method(m, "mul", {objectValue(get(m, "T"))})), 2, 4, 6);

  dispatchT lift = matrix4x4(translation(0, 0, 5));
  dispatchT lifted = method(lift, "mul", {objectValue(vector2d(1, 1))});
  EXPECT_EQ(typeNameOf(lifted), "class prxVector3dC *");
  expectNear(components3d(lifted), 1, 1, 5);

  callS failed = call(m.get(), "mul", mzInvokeMethod, {number(2)});
  EXPECT_EQ(failed.outcome, 1u);
  EXPECT_EQ(failed.source, "methode:mul(Para:1)");
  EXPECT_EQ(call(m.get(), "mul", mzInvokeMethod, {objectValue(hold(new prxMatrix3x3C()))}).outcome, 1u);
}

TEST(prxMatrix4x4C, RotationsReplaceTheWholeMatrix) {
  dispatchT m = matrix4x4(translation(1, 2, 3));
  EXPECT_EQ(method(m, "rotAngle", {number(0), number(90), doubleValue(90)}).get(), m.get());
  expectNear(image(m, 1, 0, 0), 0, 1, 0);
  expectNear(image(m, 0, 0, 1), 1, 0, 0);
  expectNear(components3d(get(m, "t")), 0, 0, 0);

  dispatchT turn = rotated("rotVector", {objectValue(vector3d(0, 0, 2)), number(90)});
  expectNear(image(turn, 1, 0, 0), 0, 1, 0);
}

TEST(prxMatrix4x4C, BadRotationArgumentsLeaveTheMatrixAlone) {
  dispatchT m = matrix4x4(translation(1, 2, 3));
  callS zeroAxis = call(m.get(), "rotVector", mzInvokeMethod, {objectValue(vector3d(0, 0, 0)), number(45)});
  EXPECT_EQ(zeroAxis.outcome, 1u);
  EXPECT_EQ(zeroAxis.source, "methode:rotVector");
  EXPECT_EQ(zeroAxis.description, "rotation axis without direction");

  EXPECT_EQ(call(m.get(), "rotVector", mzInvokeMethod, {objectValue(vector3d(0, 0, 1)), mzVariantS("45")}).outcome, 1u);
  EXPECT_EQ(call(m.get(), "rotAngle", mzInvokeMethod, {number(1), number(2), mzVariantS("3")}).outcome, 1u);
  const matrixC4x4<double> unchanged = translation(1, 2, 3);
  const matrixC4x4<double> now = matrixOf(m);
  for (int n = 0; n < 16; ++n) EXPECT_EQ(now.values[n], unchanged.values[n]) << n;
}

TEST(prxMatrix4x4C, InvIsTheTrueInverse) {
  dispatchT m = rotated("rotAngle", {number(0), number(90), number(90)});
  EXPECT_EQ(object(m, "T", mzInvokePropertyPut, {objectValue(vector3d(1, 2, 3))}).get(), m.get());
  dispatchT inverse = method(m, "inv");
  EXPECT_EQ(typeNameOf(inverse), "class prxMatrix4x4C *");
  expectNear(components3d(get(inverse, "T")), -2, -3, -1);
  expectIdentity(method(inverse, "mul", {objectValue(m)}));
  expectIdentity(method(m, "mul", {objectValue(inverse)}));

  dispatchT quarterTurn = rotated("rotVector", {objectValue(vector3d(0, 0, 1)), number(90)});
  method(get(quarterTurn, "T"), "x", {number(1)}).release();
  method(get(quarterTurn, "T"), "y", {number(2)}).release();
  method(get(quarterTurn, "T"), "z", {number(3)}).release();
  expectNear(components3d(get(method(quarterTurn, "inv"), "T")), -2, 1, -3);

  // A scale is inverted, not transposed.
  matrixC4x4<double> scale = translation(2, 4, 6);
  scale.values[0] = scale.values[5] = scale.values[10] = 2.0;
  dispatchT halved = method(matrix4x4(scale), "inv");
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
  dispatchT m = matrix4x4(matrixC4x4<double>());
  for (const char* axis : {"X", "Y", "Z", "T"}) expectNear(components3d(get(m, axis)), 0, 0, 0);
  EXPECT_EQ(method(m, "ident").get(), m.get());
  expectNear(components3d(get(m, "x")), 1, 0, 0);
  expectNear(components3d(get(m, "y")), 0, 1, 0);
  expectNear(components3d(get(m, "z")), 0, 0, 1);
  expectNear(components3d(get(m, "t")), 0, 0, 0);

  dispatchT x = get(m, "X");
  EXPECT_EQ(typeNameOf(x), "class prxVector3dC *");
  method(x, "x", {number(2)}).release();
  expectNear(image(m, 1, 0, 0), 2, 0, 0);
  EXPECT_EQ(get(m, "X").get(), x.get());

  // A put copies the vector into the axis; the vector stays apart from the matrix.
  dispatchT source = vector3d(0, 3, 0);
  object(m, "Y", mzInvokePropertyPut, {objectValue(source)}).release();
  method(source, "y", {number(9)}).release();
  expectNear(image(m, 0, 1, 0), 0, 3, 0);
  EXPECT_EQ(call(m.get(), "Z", mzInvokePropertyPut, {objectValue(vector2d(1, 1))}).outcome, 1u);
  expectNear(components3d(get(m, "Z")), 0, 0, 1);
}

TEST(prxMatrix4x4C, Conv3x3KeepsTheRotationBlockOnly) {
  matrixC4x4<double> m = translation(5, 6, 7);
  m.setRotationXYZ(0, 0, 90);
  m.values[12] = 5;
  dispatchT block = method(matrix4x4(m), "conv3x3");
  EXPECT_EQ(typeNameOf(block), "class prxMatrix3x3C *");
  const matrixC3x3<double> b = static_cast<prxMatrix3x3C*>(block.get())->getMatrix();
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 3; ++row) EXPECT_EQ(b.values[row + 3 * column], m.values[row + 4 * column]);
  }
}
