#include "geom/pointGridC.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

// Random clouds whose cells hold one, two or many points (copies of a few points, points
// spread within a cell, NaN), each query answered ascending, once per point, with every
// point within the tolerance of it.
TEST(pointGridC, CandidatesHoldEveryPointWithinTheToleranceAscendingOnce) {
  std::mt19937 random(77);
  const double tolerances[] = {1e-6, 0.01, 0.5, 0.0};
  for (int round = 0; round < 300; ++round) {
    const double tolerance = tolerances[round % 4];
    const uint32_t count = random() % 60;
    std::vector<vectorC2d<double>> points;
    auto coordinate = [&random, tolerance] { return double(random() % 9) * 0.7 + double(random() % 5) * tolerance; };
    for (uint32_t i = 0; i < count; ++i) {
      if (i > 0 && random() % 3 == 0) points.push_back(points[random() % i]);
      else if (random() % 29 == 0) points.emplace_back(std::nan(""), 1.0);
      else points.emplace_back(coordinate(), coordinate());
    }
    const pointGridC grid(count, [&points](uint32_t i) { return points[i]; }, tolerance);
    std::vector<uint32_t> near;
    for (int query = 0; query < 20; ++query) {
      const vectorC2d<double> p =
          count > 0 && query % 2 ? points[random() % count] : vectorC2d<double>(coordinate(), coordinate());
      grid.candidates(p, near);
      for (size_t k = 1; k < near.size(); ++k) ASSERT_LT(near[k - 1], near[k]) << "round " << round;
      for (uint32_t i = 0; i < count; ++i) {
        if (!(std::fabs(points[i].x - p.x) <= tolerance && std::fabs(points[i].y - p.y) <= tolerance)) continue;
        EXPECT_TRUE(std::binary_search(near.begin(), near.end(), i)) << "round " << round << " point " << i;
      }
    }
  }
}
