// Curves of the NURBS tests, made from degree, knots, points and weights.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "model3d/nurbs/nurbCurveC.h"

namespace nurbTest {

using point3 = vectorC3d<double>;

inline memManDataPoolC<double> pool(const std::vector<double>& values) {
  return memManDataPoolC<double>(values.data(), uint32_t(values.size()));
}

inline pageMemT<point3, 3> pointList(const std::vector<point3>& points) {
  pageMemT<point3, 3> list;
  for (const point3& p : points) *list.newElement() = p;
  return list;
}

// Weights 1 unless given.
inline nurbCurveC curve(uint32_t degree, const std::vector<double>& knots, const std::vector<point3>& points,
                        std::vector<double> weights = {}) {
  if (weights.empty()) weights.assign(points.size(), 1.0);
  return nurbCurveC(degree, pool(knots), pointList(points), pool(weights));
}

inline nurbCurveC bez() { return curve(2, {0, 0, 0, 1, 1, 1}, {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}}); }

inline nurbCurveC quarterCircle() {
  return curve(2, {0, 0, 0, 1, 1, 1}, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {1, 0.70710678118655, 1});
}

inline std::vector<double> knotsOf(const nurbCurveC& c) {
  const nurbKnotVectorC& k = c.getKnotVector();
  return std::vector<double>(k.knots.data, k.knots.data + k.knotCount());
}

inline std::vector<point3> pointsOf(const nurbCurveC& c) {
  pageMemT<point3, 3> list;
  c.getControlPoints3d(list);
  std::vector<point3> points;
  for (uint32_t i = 0; i < list.elementCount; ++i) points.push_back(list[i]);
  return points;
}

inline void expectNear(const point3& p, const point3& expected, double tolerance = 1e-12) {
  EXPECT_NEAR(p.x, expected.x, tolerance);
  EXPECT_NEAR(p.y, expected.y, tolerance);
  EXPECT_NEAR(p.z, expected.z, tolerance);
}

inline void expectPoints(const nurbCurveC& c, const std::vector<point3>& expected, double tolerance = 1e-12) {
  const std::vector<point3> points = pointsOf(c);
  ASSERT_EQ(points.size(), expected.size());
  for (size_t i = 0; i < points.size(); ++i) expectNear(points[i], expected[i], tolerance);
}

}  // namespace nurbTest
