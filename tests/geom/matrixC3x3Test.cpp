#include "geom/matrixC3x3.h"

#include <gtest/gtest.h>

#include <limits>

#include "docproxy/matrixConversion.h"
#include "tests/geom/vectorTest.h"

TEST(MatrixC3x3, PlaneTransformationsAndProductOrder) {
  matrixC3x3<double> move;
  move.values[0] = move.values[4] = move.values[8] = 1.0;
  move.values[6] = 10.0;
  move.values[7] = 20.0;
  expectNear(move.transformPoint2d(vectorC2d<double>(1, 2)), 11, 22);

  matrixC3x3<double> turn;
  turn.setRotationXYZ(0, 0, 90);
  expectNear(turn.transformPoint2d(vectorC2d<double>(1, 0)), 0, 1);
  expectNear((move * turn).transformPoint2d(vectorC2d<double>(1, 0)), 10, 21);
  expectNear((turn * move).transformPoint2d(vectorC2d<double>(1, 0)), -20, 11);

  // A third row other than (0, 0, 1) is never divided out.
  move.values[2] = 5.0;
  expectNear(move.transformPoint2d(vectorC2d<double>(1, 2)), 11, 22);
}

TEST(MatrixC3x3, RotationAndBlockOfA4x4Agree) {
  matrixC4x4<double> full;
  full.setRotationXYZ(15, 25, 35);
  full.values[12] = 5;
  full.values[13] = 6;
  full.values[14] = 7;
  matrixC3x3<double> rotation;
  rotation.values[6] = 99.0;
  rotation.setRotationXYZ(15, 25, 35);
  const matrixC3x3<double> block = matrix4x4To3x3(full);
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 3; ++row) {
      EXPECT_EQ(block.values[row + 3 * column], full.values[row + 4 * column]);
      EXPECT_EQ(rotation.values[row + 3 * column], full.values[row + 4 * column]);
    }
  }
}

TEST(MatrixC3x3, InverseOrRefusalWhenSingular) {
  matrixC3x3<double> m;
  m.ident();
  m.setRotationXYZ(10, 20, 30);
  m.values[6] = 4;  // with a 2D translation and a stretch of the Y column
  m.values[3] *= 3;
  m.values[4] *= 3;
  m.values[5] *= 3;
  matrixC3x3<double> inverse;
  ASSERT_TRUE(m.inverse(inverse));
  const matrixC3x3<double> product = inverse * m;
  for (int n = 0; n < 9; ++n) EXPECT_NEAR(product.values[n], n % 4 == 0 ? 1.0 : 0.0, roundingTolerance) << n;

  // Independence does not depend on scale: tiny and huge diagonals invert.
  for (double scale : {1e-150, 1e-7, 1e7, 1e100}) {
    matrixC3x3<double> diagonal;
    diagonal.values[0] = scale;
    diagonal.values[4] = 1;
    diagonal.values[8] = 1 / scale;
    ASSERT_TRUE(diagonal.inverse(inverse)) << scale;
    EXPECT_DOUBLE_EQ(inverse.values[0], 1 / scale);
    EXPECT_DOUBLE_EQ(inverse.values[8], scale);
  }

  // Dependent columns, within rounding too, and non-finite entries are refused untouched.
  inverse.ident();
  matrixC3x3<double> singular;
  for (int n = 0; n < 9; ++n) singular.values[n] = 0.1 * (n + 1);
  EXPECT_FALSE(singular.inverse(inverse));
  EXPECT_FALSE(matrixC3x3<double>().inverse(inverse));
  m.values[1] = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(m.inverse(inverse));
  m.values[1] = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(m.inverse(inverse));
  for (int n = 0; n < 9; ++n) EXPECT_EQ(inverse.values[n], n % 4 == 0 ? 1.0 : 0.0) << n;
}
