#include "geom/solve2x2.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(solve2x2, SolvesUnlessTheDeterminantIsBelowEps) {
  // Columns (2, 1) and (1, 3): 2x + y = 5, x + 3y = 10.
  const double m[4] = {2, 1, 1, 3};
  const double b[2] = {5, 10};
  double x[2] = {};
  EXPECT_EQ(solve2x2(m, b, x, 1e-9), 1);
  EXPECT_DOUBLE_EQ(x[0], 1.0);
  EXPECT_DOUBLE_EQ(x[1], 3.0);

  const double eps = 0.25;
  const double atEps[4] = {eps, 0, 0, 1};
  double solved[2] = {};
  EXPECT_EQ(solve2x2(atEps, b, solved, eps), 1);
  EXPECT_EQ(solved[0], 20.0);
  EXPECT_EQ(solved[1], 10.0);

  const double belowEps[4] = {std::nextafter(eps, 0.0), 0, 0, 1};
  double untouched[2] = {7, 8};
  EXPECT_EQ(solve2x2(belowEps, b, untouched, eps), 0);
  EXPECT_EQ(untouched[0], 7.0);
  EXPECT_EQ(untouched[1], 8.0);

  const double identity[4] = {1, 0, 0, 1};
  const double small[2] = {1e-12, -3};
  EXPECT_EQ(solve2x2(identity, small, x, 1e-9), 1);
  EXPECT_EQ(x[0], 0.0);
  EXPECT_FALSE(std::signbit(x[0]));
  EXPECT_EQ(x[1], -3.0);

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double undefined[4] = {nan, 0, 0, 1};
  EXPECT_EQ(solve2x2(undefined, b, x, 1e-9), 1);
  EXPECT_TRUE(std::isnan(x[0]));
}
