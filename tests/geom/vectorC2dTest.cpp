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

TEST(VectorC2d, AngleToTurnsCounterClockwiseAndHasNoNaN) {
  const vectorC2d<double> east(1.0, 0.0);
  struct caseS {
    vectorC2d<double> to;
    double degrees;
  };
  const caseS cases[] = {
      {{0, 1}, 90},     {{0, -1}, 270},  {{1, -1e-9}, 0}, {{-1, 0}, 180},       {{1, 0}, 0},
      {{0, 0}, 0},      {{NAN, 1}, 0},   {{1, INFINITY}, 0}, {{1e-170, 1e-170}, 45}, {{1e300, 1e300}, 45},
  };
  for (const caseS& c : cases) EXPECT_NEAR(east.angleTo(c.to), c.degrees, 1e-9) << c.to.x << "," << c.to.y;
  EXPECT_EQ(vectorC2d<double>(0.0, 0.0).angleTo(east), 0.0);
  // Just short of a full turn wraps to just past 0.
  const double w = (360.0 - 0.00005) * 3.141592653589793 / 180.0;
  EXPECT_NEAR(east.angleTo(vectorC2d<double>(std::cos(w), std::sin(w))), 0.00005, 1e-6);

  vectorC2d<double> tiny(5e-9, -1e-8);
  tiny.snapTinyToZero();
  EXPECT_EQ(tiny.x, 0.0);
  EXPECT_EQ(tiny.y, -1e-8);
  const vectorC2d<double> sum = east + vectorC2d<double>(2, 3) * 2.0;
  EXPECT_EQ(sum.x, 5.0);
  EXPECT_EQ(sum.y, 6.0);
}
