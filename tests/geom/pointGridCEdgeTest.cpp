#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "geom/pointGridC.h"

// A tolerance of 1/16 makes cells of side 1: points on and about the cell edges either side of
// the origin, -0.0 among them, must be found from every query within the tolerance, and a
// query far outside every cell (up to the largest double) finds none of them.
TEST(pointGridC, PointsOnCellEdgesOfEitherSignAreFoundAndFarQueriesFindNone) {
  const double tolerance = 1.0 / 16;
  const double offsets[] = {0.0, -0.0, 1e-12, -1e-12, tolerance, -tolerance, 0.5, -0.5, 1.0 - 1e-15};
  std::vector<vectorC2d<double>> points;
  for (int column = -3; column <= 3; ++column)
    for (double offset : offsets) points.emplace_back(double(column) + offset, -double(column) - offset);
  const pointGridC grid(uint32_t(points.size()), [&points](uint32_t i) { return points[i]; }, tolerance);
  std::vector<uint32_t> near;
  for (const vectorC2d<double>& point : points) {
    for (const double dx : {0.0, tolerance, -tolerance}) {
      for (const double dy : {0.0, tolerance, -tolerance}) {
        const vectorC2d<double> query(point.x + dx, point.y + dy);
        grid.candidates(query, near);
        ASSERT_TRUE(std::is_sorted(near.begin(), near.end()));
        for (uint32_t i = 0; i < points.size(); ++i) {
          if (std::fabs(points[i].x - query.x) > tolerance || std::fabs(points[i].y - query.y) > tolerance) continue;
          EXPECT_TRUE(std::binary_search(near.begin(), near.end(), i)) << query.x << "," << query.y << " misses " << i;
        }
      }
    }
  }
  const double far[] = {1e12, -1e12, 1e300, -1e300, DBL_MAX, -DBL_MAX};
  for (double x : far) {
    for (double y : {0.0, x, -x}) {
      grid.candidates(vectorC2d<double>(x, y), near);
      EXPECT_TRUE(near.empty()) << x << "," << y;
      grid.candidates(vectorC2d<double>(y, x), near);
      EXPECT_TRUE(near.empty()) << y << "," << x;
    }
  }
}
