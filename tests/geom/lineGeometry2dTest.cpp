#include "geom/lineGeometry2d.h"

#include <gtest/gtest.h>

#include "tests/geom/vectorTest.h"

TEST(LineGeometry2d, FootAndDistanceOnTheInfiniteLine) {
  const vectorC2d<double> a(1.0, 1.0);
  const vectorC2d<double> b(4.0, 5.0);
  // (1,1) + 5·(0.6, 0.8) is (4, 5); the offset (−4, 3) is perpendicular to the line.
  const vectorC2d<double> p(0.0, 8.0);
  expectNear(projectPointOnLine2d(p, a, b), 4.0, 5.0);
  EXPECT_NEAR(pointLineDistance2d(p, a, b), 5.0, roundingTolerance);
  // Beyond the ends the line goes on.
  expectNear(projectPointOnLine2d(vectorC2d<double>(-6.0, 0.0), a, b), -2.0, -3.0);
  EXPECT_NEAR(pointLineDistance2d(vectorC2d<double>(7.0, 9.0), a, b), 0.0, roundingTolerance);
  EXPECT_NEAR(pointLineDistance2d(vectorC2d<double>(2.5, 3.0), a, b), 0.0, roundingTolerance);
}

TEST(LineGeometry2d, CoincidentPointsGiveTheFirstPointAsFoot) {
  const vectorC2d<double> a(2.0, -1.0);
  const vectorC2d<double> p(5.0, 3.0);
  expectNear(projectPointOnLine2d(p, a, a), 2.0, -1.0);
  EXPECT_EQ(pointLineDistance2d(p, a, a), 5.0);
  EXPECT_EQ(pointLineDistance2d(a, a, a), 0.0);
}
