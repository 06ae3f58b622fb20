#include "docproxy/matrixC3x3.h"

#include <gtest/gtest.h>

#include "docproxy/matrixConversion.h"
#include "tests/docproxy/vectorTest.h"

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
