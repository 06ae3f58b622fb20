#include "geom/vectorC2d.h"

#include <gtest/gtest.h>

#include "tests/geom/vectorTest.h"

TEST(VectorC2d, ArithmeticAndLength) {
  const vectorC2d<double> a(5.0, 7.0);
  const vectorC2d<double> b(2.0, 3.0);
  const vectorC2d<double> difference = a - b;
  EXPECT_EQ(difference.x, 3.0);
  EXPECT_EQ(difference.y, 4.0);
  EXPECT_EQ(a.x, 5.0);
  EXPECT_EQ(difference.length(), 5.0);

  vectorC2d<double> scaled(1.5, -2.0);
  (scaled *= 2.0) *= -1.0;
  EXPECT_EQ(scaled.x, -3.0);
  EXPECT_EQ(scaled.y, 4.0);

  const vectorC2d<double> fromSpace(vectorC3d<double>(1.0, 2.0, 3.0));
  EXPECT_EQ(fromSpace.x, 1.0);
  EXPECT_EQ(fromSpace.y, 2.0);
}

TEST(VectorC2d, SetLengthKeepsDirectionAndLeavesZeroVectorAlone) {
  vectorC2d<double> v(3.0, 4.0);
  v.setLength(10.0);
  expectNear(v, 6.0, 8.0);
  v.setLength(-1.0);
  expectNear(v, -0.6, -0.8);

  vectorC2d<double> zero(0.0, 0.0);
  zero.setLength(1.0);
  EXPECT_EQ(zero.x, 0.0);
  EXPECT_EQ(zero.y, 0.0);
}
