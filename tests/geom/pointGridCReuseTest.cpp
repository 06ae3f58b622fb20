#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "geom/pointGridC.h"

namespace {

struct cloudS {
  std::vector<vectorC2d<double>> points;
  double tolerance;
};

// Pairs of points about a circle, as the ends of a loop's curves lie, with a few copies.
cloudS ring(std::mt19937& random, uint32_t count, double radius, double tolerance) {
  cloudS cloud{{}, tolerance};
  for (uint32_t i = 0; i < count; ++i) {
    const double angle = 6.283185307179586 * double(i / 2) / double(count / 2 + 1);
    cloud.points.emplace_back(radius * std::cos(angle), radius * std::sin(angle));
    if (i > 0 && random() % 11 == 0) cloud.points.back() = cloud.points[random() % i];
  }
  return cloud;
}

// Every candidate is a point of this grid near the query (within two cells of sixteen
// tolerances), ascending, and every point within the tolerance is among them.
void expectAnswers(const pointGridC& grid, const cloudS& cloud, std::mt19937& random, int step) {
  std::vector<uint32_t> near;
  const uint32_t count = uint32_t(cloud.points.size());
  for (int query = 0; query < 40; ++query) {
    vectorC2d<double> p = cloud.points[random() % count];
    if (query % 3 == 0) p.x += cloud.tolerance * 0.75;
    grid.candidates(p, near);
    for (size_t k = 0; k < near.size(); ++k) {
      ASSERT_LT(near[k], count) << "step " << step;
      if (k > 0) {
        ASSERT_LT(near[k - 1], near[k]) << "step " << step;
      }
      const vectorC2d<double>& q = cloud.points[near[k]];
      ASSERT_LE(std::fabs(q.x - p.x), 32 * cloud.tolerance) << "step " << step;
      ASSERT_LE(std::fabs(q.y - p.y), 32 * cloud.tolerance) << "step " << step;
    }
    for (uint32_t i = 0; i < count; ++i) {
      const bool within =
          std::fabs(cloud.points[i].x - p.x) <= cloud.tolerance && std::fabs(cloud.points[i].y - p.y) <= cloud.tolerance;
      ASSERT_TRUE(!within || std::binary_search(near.begin(), near.end(), i)) << "step " << step << " point " << i;
    }
  }
}

pointGridC gridOf(const cloudS& cloud) {
  return pointGridC(uint32_t(cloud.points.size()), [&cloud](uint32_t i) { return cloud.points[i]; }, cloud.tolerance);
}

}  // namespace

// Grids built in turn take over the tables of earlier ones, larger and smaller, some while
// others still live, copied or moved: none answers with what another held.
TEST(pointGridC, GridsBuiltInTurnsAnswerOnlyForTheirOwnPoints) {
  std::mt19937 random(4242);
  struct stepS {
    uint32_t count;
    double tolerance;
    bool keepAlive;  // else the grid goes before the next step
  } steps[] = {{40000, 1e-6, false}, {300, 1e-3, false}, {9000, 1e-6, true},  {16, 0.5, true},
               {9000, 1e-4, false},  {200000, 1e-6, false}, {5000, 1e-6, true}, {70, 1e-6, false}};
  std::vector<cloudS> clouds;
  std::vector<pointGridC> alive;
  std::vector<size_t> aliveCloud;
  clouds.reserve(std::size(steps));
  for (size_t s = 0; s < std::size(steps); ++s) {
    clouds.push_back(ring(random, steps[s].count, 10.0 + double(s), steps[s].tolerance));
    pointGridC grid = gridOf(clouds.back());
    expectAnswers(grid, clouds.back(), random, int(s));
    if (!steps[s].keepAlive) continue;
    const pointGridC copy = grid;
    alive.push_back(std::move(grid));
    aliveCloud.push_back(s);
    expectAnswers(copy, clouds.back(), random, int(s));
  }
  // The grids kept answer as they did, after every later grid came and went.
  for (size_t k = 0; k < alive.size(); ++k) expectAnswers(alive[k], clouds[aliveCloud[k]], random, 100 + int(k));
}
