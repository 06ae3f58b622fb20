#include "model3d/nurbs/nurbSurfaceDataCacheC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "model3d/nurbs/nurbVectorOps.h"
#include "tests/model3d/nurbTestHelpers.h"

using namespace nurbTest;

namespace {

matrixC4x4<double> identity() {
  matrixC4x4<double> m;
  m.ident();
  return m;
}

nurbSurfaceDataCacheC plane() {
  nurbSurfaceDataCacheC surface;
  surface.makePlane(identity(), 1, 2, 3, 4);
  return surface;
}

}  // namespace

TEST(nurbSurfaceDataCacheCTest, PlaneEvaluatesAndInverts) {
  nurbSurfaceDataCacheC surface = plane();
  pageMemT<point3, 3> net;
  surface.getControlPoints3d(net);
  ASSERT_EQ(net.elementCount, 4u);
  const point3 corners[] = {{-1, 4, 0}, {2, 4, 0}, {-1, -3, 0}, {2, -3, 0}};
  for (uint32_t i = 0; i < 4; ++i) expectNear(net[i], corners[i]);
  expectNear(surface.surfacePoint(0.5, 0.5), {0.5, 0.5, 0});
  expectNear(surface.surfaceNormal(0.5, 0.5), {0, 0, 1});
  pageMemT<point3, 3> table;
  surface.surfaceDerivs(0.3, 0.6, 0, table);
  ASSERT_EQ(table.elementCount, 1u);
  expectNear(table[0], surface.surfacePoint(0.3, 0.6));
  surface.surfaceDerivs(0.3, 0.6, 2, table);
  expectNear(table[3], {0, -7, 0});  // S(1, 0)
  expectNear(table[1], {3, 0, 0});   // S(0, 1)
  for (int32_t order : {-1, 33}) {
    surface.surfaceDerivs(0.3, 0.6, order, table);
    EXPECT_EQ(table.elementCount, 0u);
  }
  nurbCurveC iso;
  surface.isoCurveAtV(0.5, iso);
  EXPECT_EQ(iso.getDegree(), 1u);
  expectPoints(iso, {{0.5, 4, 0}, {0.5, -3, 0}});

  const struct {
    point3 p;
    uint32_t limit;
    int found;
    double u, v, tolerance;
  } inversions[] = {
      {surface.surfacePoint(1.0 / 3, 2.0 / 3), 0, 1, 1.0 / 3, 2.0 / 3, 0},
      {{0.9, 1.7, 0}, 0, 0, 1.0 / 3, 2.0 / 3, 0},
      {{0.5, 0.5, 0}, 100, 1, 0.5, 0.5, 1e-9},
  };
  for (const auto& c : inversions) {
    double u = -1;
    double v = -1;
    EXPECT_EQ(surface.invertPoint(c.p, u, v, c.limit), c.found);
    EXPECT_NEAR(u, c.u, c.tolerance);
    EXPECT_NEAR(v, c.v, c.tolerance);
  }

  // Reversed along U, the grid is built again: the old point is now at u = 2/3.
  const point3 before = surface.surfacePoint(1.0 / 3, 2.0 / 3);
  surface.reverseU();
  double u = 0;
  double v = 0;
  EXPECT_EQ(surface.invertPoint(before, u, v, 0), 1);
  EXPECT_NEAR(u, 2.0 / 3, 1e-12);
  EXPECT_NEAR(v, 2.0 / 3, 1e-12);
}

TEST(nurbSurfaceDataCacheCTest, CylinderRestartsAndBadData) {
  nurbSurfaceDataCacheC cylinder;
  cylinder.makeCylinder(identity(), 2, 5);
  for (double u : {0.0, 0.3, 1.0})
    for (double v : {0.0, 0.1, 0.37, 0.5, 0.9}) {
      const point3 p = cylinder.surfacePoint(u, v);
      EXPECT_NEAR(std::hypot(p.x, p.y), 1.0, 1e-12);
      EXPECT_NEAR(p.z, 5 * u, 1e-12);
    }
  expectNear(cylinder.surfaceNormal(0.5, 0), {1, 0, 0});

  // Far off the patch: the restarts draw from a generator of their own.
  std::srand(7);
  const int expected = std::rand();
  std::srand(7);
  double u1 = 0, v1 = 0, u2 = 0, v2 = 0;
  const nurbSurfaceDataCacheC patch = [] {
    nurbSurfaceDataCacheC surface;
    surface.makePlane(identity(), 1, 2, 3, 4);
    return surface;
  }();
  const int first = patch.invertPoint({10, 10, 5}, u1, v1, 50);
  const int second = patch.invertPoint({10, 10, 5}, u2, v2, 50);
  EXPECT_EQ(first, second);
  EXPECT_EQ(u1, u2);
  EXPECT_EQ(v1, v2);
  EXPECT_EQ(std::rand(), expected);

  // A 3 x 2 net reversed keeps its middle row.
  const nurbSurfaceDataCacheC net3x2(1, 1, 0, 0, pool({0, 0, 0.5, 1, 1}), pool({0, 0, 1, 1}), 3, 2,
                                     pointList({{0, 0, 0}, {0, 1, 0}, {1, 0, 0}, {1, 1, 0}, {2, 0, 0}, {2, 1, 0}}),
                                     pool({1, 1, 1, 1, 1, 1}));
  nurbSurfaceDataCacheC reversed = net3x2;
  reversed.reverseU();
  pageMemT<point3, 3> points;
  reversed.getControlPoints3d(points);
  expectNear(points[0], {2, 0, 0});
  expectNear(points[2], {1, 0, 0});
  expectNear(points[3], {1, 1, 0});
  expectNear(reversed.surfacePoint(0.2, 0.4), net3x2.surfacePoint(0.8, 0.4));

  pageMemT<vectorC2d<double>, 3> uv;
  patch.projectCurve(bez(), 1, uv);
  EXPECT_EQ(uv.elementCount, 0u);
  patch.projectCurve(curve(1, {0, 0, 1, 1}, {{0, 0, 0}, {1, 1, 0}}), 3, uv);
  ASSERT_EQ(uv.elementCount, 3u);
  expectNear(patch.surfacePoint(uv[1].x, uv[1].y), {0.5, 0.5, 0}, 1e-4);

  const nurbSurfaceDataCacheC badCount(1, 1, 0, 0, pool({0, 0, 1, 1}), pool({0, 0, 1, 1}), 2, 2,
                                       pointList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}), pool({1, 1, 1}));
  EXPECT_TRUE(badCount.isEmpty());
  double u = 3;
  double v = 4;
  EXPECT_EQ(badCount.invertPoint({0, 0, 0}, u, v, 100), 0);
  EXPECT_EQ(u, 3.0);
  expectNear(badCount.surfacePoint(0.5, 0.5), {0, 0, 0});
  expectNear(badCount.surfaceNormal(0.5, 0.5), {0, 0, 0});
  badCount.projectCurve(bez(), 10, uv);
  EXPECT_EQ(uv.elementCount, 0u);
}
