#include "geom/matrixC4x4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/geom/vectorTest.h"

namespace {

void expectIdentity(const matrixC4x4<double>& m) {
  for (int n = 0; n < 16; ++n) EXPECT_NEAR(m.values[n], n % 5 == 0 ? 1.0 : 0.0, roundingTolerance) << n;
}

}  // namespace

TEST(MatrixC4x4, ProductAppliesTheRightOperandFirst) {
  const matrixC4x4<double> a = translation(1, 0, 0);
  matrixC4x4<double> b;
  ASSERT_TRUE(b.setRotation(0, 0, 1, 90));
  const vectorC3d<double> p(1, 0, 0);
  expectNear((a * b).transformPoint(p), 1, 1, 0);
  expectNear((b * a).transformPoint(p), 0, 2, 0);
  expectNear(a.transformPoint(p), 2, 0, 0);
}

TEST(MatrixC4x4, PointsAndAxes) {
  matrixC4x4<double> m;
  m.ident();
  expectNear(m.transformPoint(vectorC3d<double>(1, 2, 3)), 1, 2, 3);

  m = translation(5, 6, 7);
  m.values[4] = 2.0;  // Y axis (2, 1, 0)
  expectNear(m.transformPoint2d(vectorC2d<double>(1, 1)), 8, 7, 7);
  expectNear(m.getY(), 2, 1, 0);
  expectNear(m.getZ(), 0, 0, 1);
  expectNear(m.getT(), 5, 6, 7);

  // A projective fourth row is multiplied but never divided out.
  m.values[3] = 1.0;
  m.values[15] = 4.0;
  expectNear(m.transformPoint(vectorC3d<double>(1, 0, 0)), 6, 6, 7);
}

TEST(MatrixC4x4, RotationAboutAnAxisReplacesTheWholeMatrix) {
  matrixC4x4<double> m = translation(1, 2, 3);
  ASSERT_TRUE(m.setRotation(0, 0, 1, 90));
  expectNear(m.transformPoint(vectorC3d<double>(1, 0, 0)), 0, 1, 0);
  expectNear(m.getT(), 0, 0, 0);
  EXPECT_EQ(m.values[15], 1.0);

  matrixC4x4<double> unitAxis, longAxis;
  ASSERT_TRUE(unitAxis.setRotation(0, 0, 1, 33));
  ASSERT_TRUE(longAxis.setRotation(0, 0, 2, 33));
  for (int n = 0; n < 16; ++n) EXPECT_EQ(unitAxis.values[n], longAxis.values[n]) << n;

  // Counter-clockwise seen from the tip of the axis (1, 1, 1): the axes cycle X -> Y -> Z.
  ASSERT_TRUE(m.setRotation(1, 1, 1, 120));
  expectNear(m.transformPoint(vectorC3d<double>(1, 0, 0)), 0, 1, 0);
  expectNear(m.transformPoint(vectorC3d<double>(0, 1, 0)), 0, 0, 1);
}

TEST(MatrixC4x4, RotationAboutAnAxisWithoutDirectionIsRefused) {
  const double infinity = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double axes[][3] = {{0, 0, 0}, {infinity, 0, 0}, {0, nan, 0}, {1e200, 1e200, 0}};
  for (const auto& axis : axes) {
    matrixC4x4<double> m = translation(1, 2, 3);
    EXPECT_FALSE(m.setRotation(axis[0], axis[1], axis[2], 45));
    const matrixC4x4<double> unchanged = translation(1, 2, 3);
    for (int n = 0; n < 16; ++n) EXPECT_EQ(m.values[n], unchanged.values[n]) << n;
  }
}

TEST(MatrixC4x4, RotationFromThreeAngles) {
  matrixC4x4<double> m = translation(1, 2, 3);
  m.setRotationXYZ(0, 0, 0);
  expectIdentity(m);

  m.setRotationXYZ(90, 0, 0);
  expectNear(m.transformPoint(vectorC3d<double>(0, 1, 0)), 0, 0, 1);

  // Z acts first, then Y, then X, all about the fixed axes.
  m.setRotationXYZ(0, 90, 90);
  expectNear(m.transformPoint(vectorC3d<double>(1, 0, 0)), 0, 1, 0);
  expectNear(m.transformPoint(vectorC3d<double>(0, 0, 1)), 1, 0, 0);

  matrixC4x4<double> rx, ry, rz;
  rx.setRotation(1, 0, 0, 30);
  ry.setRotation(0, 1, 0, -50);
  rz.setRotation(0, 0, 1, 70);
  m.setRotationXYZ(30, -50, 70);
  const matrixC4x4<double> composed = rx * ry * rz;
  for (int n = 0; n < 16; ++n) EXPECT_NEAR(m.values[n], composed.values[n], roundingTolerance) << n;
}

TEST(MatrixC4x4, InverseOfARigidTransformation) {
  matrixC4x4<double> m;
  m.setRotationXYZ(0, 90, 90);
  m.values[12] = 1;
  m.values[13] = 2;
  m.values[14] = 3;
  const matrixC4x4<double> inverse = m.inverseRigid();
  expectNear(inverse.getT(), -2, -3, -1);
  expectIdentity(inverse * m);
  expectIdentity(m * inverse);
  expectNear(inverse.transformPoint(m.transformPoint(vectorC3d<double>(4, -5, 6))), 4, -5, 6);

  matrixC4x4<double> quarterTurn;
  quarterTurn.setRotation(0, 0, 1, 90);
  quarterTurn.values[12] = 1;
  quarterTurn.values[13] = 2;
  quarterTurn.values[14] = 3;
  expectNear(quarterTurn.inverseRigid().getT(), -2, 1, -3);

  // Only rigid matrices are inverted: a scale by 2 gets its own transpose back.
  matrixC4x4<double> scale;
  scale.ident();
  scale.values[0] = scale.values[5] = scale.values[10] = 2.0;
  const matrixC4x4<double> notInverse = scale.inverseRigid();
  for (int n = 0; n < 16; ++n) EXPECT_EQ(notInverse.values[n], scale.values[n]) << n;

  matrixC4x4<double> general = translation(1, 2, 3);
  general.values[1] = 4.0;
  general.values[7] = 5.0;
  const matrixC4x4<double> transposed = general.transposeRotation();
  EXPECT_EQ(transposed.values[4], 4.0);
  EXPECT_EQ(transposed.values[1], 0.0);
  EXPECT_EQ(transposed.values[7], 5.0);
  EXPECT_EQ(transposed.values[12], 1.0);
  EXPECT_EQ(general.inverseRigid().values[7], 5.0);
}

TEST(MatrixC4x4, AffineInverse) {
  matrixC4x4<double> m;
  m.setRotationXYZ(0, 90, 90);
  m.values[12] = 1;
  m.values[13] = 2;
  m.values[14] = 3;
  matrixC4x4<double> inverse;
  ASSERT_TRUE(m.inverseAffine(inverse));
  const matrixC4x4<double> rigid = m.inverseRigid();
  for (int n = 0; n < 16; ++n) EXPECT_NEAR(inverse.values[n], rigid.values[n], roundingTolerance) << n;

  // A scale with translation: its true inverse undoes it; a huge translation is no obstacle.
  matrixC4x4<double> scale = translation(1e300, 4, 6);
  scale.values[0] = scale.values[5] = scale.values[10] = 2.0;
  ASSERT_TRUE(scale.inverseAffine(inverse));
  EXPECT_EQ(inverse.values[0], 0.5);
  expectNear(inverse.getT(), -5e299, -2, -3);
  expectIdentity(inverse * scale);

  // Singular blocks and translations that overflow are refused, the result untouched.
  inverse.ident();
  EXPECT_FALSE(matrixC4x4<double>().inverseAffine(inverse));
  matrixC4x4<double> tiny = translation(1e300, 0, 0);
  tiny.values[0] = 1e-10;
  EXPECT_FALSE(tiny.inverseAffine(inverse));
  expectIdentity(inverse);
}
