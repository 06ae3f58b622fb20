#include "model3d/nurbs/nurbCurveC.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model3d/nurbs/nurbPointSearch.h"
#include "model3d/nurbs/nurbVectorOps.h"
#include "tests/model3d/nurbTestHelpers.h"

using namespace nurbTest;

TEST(nurbKnotVectorCTest, SpansAndParametersStayInRange) {
  const nurbKnotVectorC knots(2, pool({0, 0, 0, 0.5, 1, 1, 1}), 0);
  const struct {
    double t;
    uint32_t span;
  } spans[] = {{0, 2}, {0.25, 2}, {0.5, 3}, {0.75, 3}, {1, 3}, {NAN, 2}, {-INFINITY, 2}, {INFINITY, 3}, {7, 3}};
  for (const auto& c : spans) EXPECT_EQ(knots.findSpan(c.t), c.span) << c.t;

  nurbKnotVectorC line(1, pool({0, 0, 1, 1}), 1);
  const double periodic[][2] = {{1.25, 0.25}, {-0.25, 0.75}, {1, 1}, {NAN, 0}, {INFINITY, 1}, {-INFINITY, 0}};
  for (const auto& c : periodic) EXPECT_DOUBLE_EQ(line.normalizeParam(c[0]), c[1]) << c[0];
  line.periodic = 0;
  EXPECT_EQ(line.normalizeParam(1.25), 1.0);
  EXPECT_EQ(line.normalizeParam(-0.25), 0.0);
  EXPECT_EQ(line.clampParam(0.75, 0.0, 0.5), 0.5);
  // A periodic vector without range, and knots out of order: every search ends inside the spans.
  EXPECT_EQ(nurbKnotVectorC(1, pool({2, 2, 2, 2}), 1).normalizeParam(5), 2.0);
  const nurbKnotVectorC disordered(1, pool({0, 5, 1, 0, 3, 2}), 0);
  for (double t : {0.5, 1.5, 2.5, 4.0}) {
    const uint32_t span = disordered.findSpan(t);
    EXPECT_TRUE(span >= 1 && span <= 3) << t;
  }

  const nurbKnotVectorC bezier(2, pool({0, 0, 0, 1, 1, 1}), 0);
  EXPECT_EQ(bezier.oneBasisFun(0, 0, 0), 1.0);
  EXPECT_EQ(bezier.oneBasisFun(1, 2, 0), 1.0);
  EXPECT_DOUBLE_EQ(bezier.oneBasisFun(0.5, 1, 0), 0.5);
  EXPECT_EQ(bezier.oneBasisFun(0.5, 9, 0), 0.0);
  EXPECT_EQ(nurbKnotVectorC(2, pool({0, 0, 0, 0.5, 0.5, 1, 1, 1}), 0).getMultiplicity(4), 2u);
}

TEST(nurbCurveCTest, EvaluatesPointsDerivativesAndCircles) {
  const nurbCurveC b = bez();
  expectNear(b.curvePoint(0.5), {1, 0.5, 0});
  pageMemT<point3, 3> derivs;
  b.curveDerivs(0.5, 2, derivs);
  ASSERT_EQ(derivs.elementCount, 3u);
  expectNear(derivs[0], {1, 0.5, 0});
  expectNear(derivs[1], {2, 0, 0});
  expectNear(derivs[2], {0, -4, 0});
  b.curveDerivs(0.5, 40, derivs);
  EXPECT_EQ(derivs.elementCount, 0u);

  const nurbCurveC qc = quarterCircle();
  for (double t : {0.1, 0.3, 0.5, 0.77}) EXPECT_NEAR(qc.curvePoint(t).length(), 1.0, 1e-12) << t;
  expectNear(qc.curvePoint(0.5), {0.70710678118655, 0.70710678118655, 0});
  expectNear(qc.curveTangent(0), {0, 1.4142135623731, 0});
  // Derivatives of a rational curve against a central difference.
  qc.curveDerivs(0.3, 2, derivs);
  const double h = 1e-5;
  const point3 difference = nurbDifference(qc.curveTangent(0.3 + h), qc.curveTangent(0.3 - h));
  expectNear(derivs[2], {difference.x / (2 * h), difference.y / (2 * h), 0}, 1e-5);

  EXPECT_EQ(curve(1, {0, 0, 1, 1}, {{0, 0, 0}, {1e-6, 0, 0}}).getPeriodic(), 1u);
  EXPECT_EQ(b.getPeriodic(), 0u);
}

TEST(nurbCurveCTest, ProjectsComparesAndReverses) {
  const nurbCurveC qc = quarterCircle();
  double t = -1;
  point3 point;
  double distance = 0;
  qc.projectPoint({2, 2, 0}, t, point, distance, 1e-10, 1e-10, 100);
  expectNear(point, {0.70710678118655, 0.70710678118655, 0}, 1e-9);
  EXPECT_NEAR(distance, 1.82842712474619, 1e-9);
  EXPECT_NEAR(qc.curvePoint(t).x, point.x, 1e-9);
  // A point off in NaN ends at once without leaving the range.
  qc.projectPoint({NAN, 0, 0}, t, point, distance, 1e-10, 1e-10, 100);
  EXPECT_TRUE(t >= 0 && t <= 1);

  const nurbCurveC b = bez();
  nurbCurveC reversed = b;
  reversed.reverse();
  const nurbCurveC moved = curve(2, {0, 0, 0, 1, 1, 1}, {{100, 0, 0}, {101, 1, 0}, {102, 0, 0}});
  EXPECT_EQ(b.compareCurves(b, 10, 1e-8), 1);
  EXPECT_EQ(b.compareCurves(reversed, 10, 1e-8), -1);
  EXPECT_EQ(b.compareCurves(moved, 10, 1e-8), 0);
  EXPECT_EQ(b.compareCurves(quarterCircle(), 10, 1e-8), 0);
  EXPECT_EQ(b.compareCurves(b, 0, 1e-8), 1);

  // Knots that are not symmetric: the reversed curve is the same curve run backwards.
  const nurbCurveC skewed = curve(2, {0, 0, 0, 0.3, 1, 1, 1}, {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {3, 1, 0}});
  nurbCurveC back = skewed;
  back.reverse();
  expectNear(back.curvePoint(0.2), skewed.curvePoint(0.8));
  EXPECT_EQ(knotsOf(back), (std::vector<double>{0, 0, 0, 0.7, 1, 1, 1}));

  pageMemT<point3, 3> none;
  uint32_t index = 7;
  nearestPoint(none, {1, 2, 3}, distance, index, 1e-10);
  EXPECT_EQ(distance, 1e5);
  EXPECT_EQ(index, 7u);
}

TEST(nurbCurveCTest, BadDataMakeAnEmptyCurve) {
  const nurbCurveC cases[] = {
      curve(1, {0, 1, 0.5, 1}, {{0, 0, 0}, {1, 0, 0}}),
      curve(1, {0, 0, 1, 1}, {{0, NAN, 0}, {1, 0, 0}}),
      curve(1, {0, 0, 1}, {{0, 0, 0}, {1, 0, 0}}),
      curve(1, {0, 0, 1, 1}, {{0, 0, 0}, {1, 0, 0}}, {1}),
      curve(2, {0, 0, 1, 1}, {{0, 0, 0}}),
      curve(40, std::vector<double>(82, 0.0), std::vector<point3>(41)),
  };
  for (const nurbCurveC& c : cases) {
    EXPECT_TRUE(c.isEmpty());
    expectNear(c.curvePoint(0.5), {0, 0, 0});
    pageMemT<point3, 3> derivs;
    c.curveDerivs(0.5, 2, derivs);
    EXPECT_EQ(derivs.elementCount, 0u);
    double t = 9;
    point3 point(4, 4, 4);
    double distance = 0;
    c.projectPoint({1, 1, 1}, t, point, distance, 1e-10, 1e-10, 100);
    EXPECT_EQ(t, 9.0);
    EXPECT_EQ(distance, 1e5);
    EXPECT_EQ(c.compareCurves(c, 10, 1e-8), 0);
    EXPECT_EQ(c.getBoundingBox().valid, 0u);
  }
}

TEST(nurbCurveCTest, RefinesSplitsAndElevates) {
  const nurbCurveC b = bez();
  nurbCurveC left;
  nurbCurveC right;
  ASSERT_EQ(b.split(0.5, left, right), 1);
  EXPECT_EQ(knotsOf(left), (std::vector<double>{0, 0, 0, 0.5, 0.5, 0.5}));
  expectPoints(left, {{0, 0, 0}, {0.5, 0.5, 0}, {1, 0.5, 0}});
  EXPECT_EQ(knotsOf(right), (std::vector<double>{0.5, 0.5, 0.5, 1, 1, 1}));
  expectPoints(right, {{1, 0.5, 0}, {1.5, 0.5, 0}, {2, 0, 0}});
  expectPoints(b, {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}});

  pageMemT<double, 3> half;
  *half.newElement() = 0.5;
  nurbCurveC refined = b;
  refined.refineKnots(half);
  EXPECT_EQ(knotsOf(refined), (std::vector<double>{0, 0, 0, 0.5, 1, 1, 1}));
  expectPoints(refined, {{0, 0, 0}, {0.5, 0.5, 0}, {1.5, 0.5, 0}, {2, 0, 0}});
  expectNear(refined.curvePoint(0.25), b.curvePoint(0.25));
  // At an existing knot, and within 1e-6 of it: two copies join it.
  for (double t : {0.5, 0.5000004}) {
    ASSERT_EQ(refined.split(t, left, right), 1);
    EXPECT_EQ(knotsOf(left), (std::vector<double>{0, 0, 0, 0.5, 0.5, 0.5}));
    EXPECT_EQ(knotsOf(right), (std::vector<double>{0.5, 0.5, 0.5, 1, 1, 1}));
    EXPECT_EQ(left.getPointCount(), 3u);
    EXPECT_EQ(right.getPointCount(), 3u);
  }
  for (double t : {0.0, 1.0, double(NAN), 2.0}) {
    nurbCurveC untouchedLeft = b;
    EXPECT_EQ(b.split(t, untouchedLeft, right), 0);
    EXPECT_EQ(knotsOf(untouchedLeft), knotsOf(b));
  }
  for (const std::vector<double>& list : {std::vector<double>{}, {2}, {0.7, 0.2}, {double(NAN)}}) {
    pageMemT<double, 3> x;
    for (double value : list) *x.newElement() = value;
    nurbCurveC unchanged = b;
    unchanged.refineKnots(x);
    EXPECT_EQ(knotsOf(unchanged), knotsOf(b));
  }

  nurbCurveC resized = b;
  resized.resize(5, 2);
  EXPECT_EQ(knotsOf(resized), (std::vector<double>{0, 0, 0, 1, 1, 1, 0, 0}));
  EXPECT_TRUE(resized.isEmpty());
  expectNear(resized.curvePoint(0.5), {0, 0, 0});

  nurbCurveC line = curve(1, {0, 0, 1, 1}, {{0, 0, 0}, {2, 4, 0}});
  line.elevateDegree(1);
  EXPECT_EQ(line.getDegree(), 2u);
  EXPECT_EQ(knotsOf(line), (std::vector<double>{0, 0, 0, 1, 1, 1}));
  expectPoints(line, {{0, 0, 0}, {1, 2, 0}, {2, 4, 0}});
  // Two spans raised by two: the shape stays.
  nurbCurveC raised = quarterCircle();
  raised.refineKnots(half);
  raised.elevateDegree(2);
  EXPECT_EQ(raised.getDegree(), 4u);
  EXPECT_EQ(knotsOf(raised), (std::vector<double>{0, 0, 0, 0, 0, 0.5, 0.5, 0.5, 1, 1, 1, 1, 1}));
  for (double t : {0.1, 0.5, 0.9}) expectNear(raised.curvePoint(t), quarterCircle().curvePoint(t));
  for (int elevations : {0, -1, 31}) {
    nurbCurveC same = b;
    same.elevateDegree(elevations);
    EXPECT_EQ(same.getDegree(), 2u);
    expectPoints(same, pointsOf(b));
  }
}
