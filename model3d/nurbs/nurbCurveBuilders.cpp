// Curves built from lines, arcs and circles, and curves joined end to start.
#include <cmath>

#include "geom/angleTurns.h"
#include "model3d/nurbs/nurbCurveC.h"
#include "model3d/nurbs/nurbUnitCircle.h"
#include "model3d/nurbs/nurbVectorOps.h"

namespace {

memManDataPoolC<double> knotsOf(std::initializer_list<double> values) {
  return memManDataPoolC<double>(values.begin(), uint32_t(values.size()));
}

double distanceBetween(const vectorC3d<double>& a, const vectorC3d<double>& b) {
  return std::sqrt(nurbSquaredLength(nurbDifference(a, b)));
}

vectorC3d<double> arcPoint(const vectorC3d<double>& o, const vectorC3d<double>& x, const vectorC3d<double>& y,
                           double angle, double r) {
  return nurbSum(o, nurbSum(nurbScaled(x, r * std::cos(angle)), nurbScaled(y, r * std::sin(angle))));
}

vectorC3d<double> arcTangent(const vectorC3d<double>& x, const vectorC3d<double>& y, double angle) {
  return nurbSum(nurbScaled(x, -std::sin(angle)), nurbScaled(y, std::cos(angle)));
}

}  // namespace

int intersectLines(const vectorC3d<double>& p0, const vectorC3d<double>& t0, const vectorC3d<double>& p2,
                   const vectorC3d<double>& t2, vectorC3d<double>& p1) {
  const vectorC3d<double> normal = t0.cross(t2);
  const vectorC3d<double> m = normal.cross(t0);
  const double d = nurbDot(m, t2);
  if (!(d * d >= 1e-7)) return 0;
  const vectorC3d<double> meeting = nurbSum(p2, nurbScaled(t2, nurbDot(nurbDifference(p0, p2), m) / d));
  if (!nurbIsFinite(meeting)) return 0;
  p1 = meeting;
  return 1;
}

void nurbCurveC::makeLine(const vectorC3d<double>& start, const vectorC3d<double>& end) {
  pageMemT<vectorC3d<double>, 3> net;
  *net.newElement() = start;
  *net.newElement() = end;
  *this = nurbCurveC(1, knotsOf({0, 0, 1, 1}), net, memManDataPoolC<double>(knotsOf({1, 1})));
  setPeriodic(0);
}

void nurbCurveC::makeQuadraticLine(const vectorC3d<double>& start, const vectorC3d<double>& end) {
  pageMemT<vectorC3d<double>, 3> net;
  for (const vectorC3d<double>* p : {&start, &start, &end, &end}) *net.newElement() = *p;
  *this = nurbCurveC(2, knotsOf({0, 0, 0, 0.5, 1, 1, 1}), net, knotsOf({1, 1, 1, 1}));
  setPeriodic(0);
}

void nurbCurveC::makeArc(const vectorC3d<double>& o, const vectorC3d<double>& x, const vectorC3d<double>& y,
                         double a0, double a1, double r) {
  if (!std::isfinite(a0) || !std::isfinite(a1) || !std::isfinite(r)) return;
  a1 = raiseRadiansByTurns(a1, a0, false);
  const double theta = a1 - a0;
  const uint32_t segments = theta <= 1.5707963267948966 ? 1
                            : theta <= 3.141592653589793 ? 2
                            : theta <= 4.71238898038469  ? 3
                                                         : 4;
  const double step = theta / segments;
  const double middleWeight = std::cos(step / 2.0);
  pageMemT<vectorC3d<double>, 3> net;
  memManDataPoolC<double> weights(2 * segments + 1);
  vectorC3d<double> p0 = arcPoint(o, x, y, a0, r);
  vectorC3d<double> t0 = arcTangent(x, y, a0);
  *net.newElement() = p0;
  weights.data[0] = 1.0;
  double angle = a0;
  for (uint32_t s = 1; s <= segments; ++s) {
    angle += step;
    const vectorC3d<double> p2 = arcPoint(o, x, y, angle, r);
    const vectorC3d<double> t2 = arcTangent(x, y, angle);
    // Parallel tangents (no sweep) put the middle point between its neighbours.
    vectorC3d<double> p1 = nurbScaled(nurbSum(p0, p2), 0.5);
    intersectLines(p0, t0, p2, t2, p1);
    *net.newElement() = p1;
    *net.newElement() = p2;
    weights.data[2 * s - 1] = middleWeight;
    weights.data[2 * s] = 1.0;
    p0 = p2;
    t0 = t2;
  }
  static const double oneSegment[] = {0, 0, 0, 1, 1, 1};
  static const double twoSegments[] = {0, 0, 0, 0.5, 0.5, 1, 1, 1};
  static const double threeSegments[] = {0, 0, 0, 0.3333333333333333, 0.3333333333333333, 0.6666666666666666,
                                         0.6666666666666666, 1, 1, 1};
  static const double fourSegments[] = {0, 0, 0, 0.25, 0.25, 0.5, 0.5, 0.75, 0.75, 1, 1, 1};
  static const double* const knotsBySegments[4] = {oneSegment, twoSegments, threeSegments, fourSegments};
  *this = nurbCurveC(2, memManDataPoolC<double>(knotsBySegments[segments - 1], 2 * segments + 4), net, weights);
  setPeriodic(0);
}

void nurbCurveC::makeCircle(const matrixC4x4<double>& frame, double diameter) {
  if (!std::isfinite(diameter)) return;
  pageMemT<vectorC3d<double>, 3> net;
  memManDataPoolC<double> weights(9);
  for (uint32_t i = 0; i < 9; ++i) {
    *net.newElement() = frame.transformPoint(nurbScaled(unitCircleCounterClockwise[i], diameter / 2.0));
    weights.data[i] = unitCircleWeights[i];
  }
  *this = nurbCurveC(2, circleKnots(), net, weights);
  setPeriodic(0);
}

int nurbCurveC::join(nurbCurveC a, nurbCurveC b) {
  if (!a.usable || !b.usable || a.getDegree() != b.getDegree()) return 0;
  constexpr double tolerance = 1e-8;
  if (distanceBetween(a.getEndPoint(), b.getStartPoint()) < tolerance) {
  } else if (distanceBetween(a.getEndPoint(), b.getEndPoint()) < tolerance) {
    b.reverse();
  } else if (distanceBetween(a.getStartPoint(), b.getStartPoint()) < tolerance) {
    a.reverse();
  } else if (distanceBetween(a.getStartPoint(), b.getEndPoint()) < tolerance) {
    a.reverse();
    b.reverse();
  }
  double aLo = 0.0;
  double aHi = 0.0;
  double bLo = 0.0;
  double bHi = 0.0;
  a.getParamRange(aLo, aHi);
  b.getParamRange(bLo, bHi);
  const double offset = std::fabs(aHi - bLo) > tolerance ? aHi : 0.0;
  if (!(distanceBetween(a.getEndPoint(), b.getStartPoint()) <= tolerance)) return 0;
  const uint32_t p = a.getDegree();
  const uint32_t nA = a.getPointCount();
  const uint32_t nB = b.getPointCount();
  nurbCurveC joined;
  joined.resize(nA + nB, p);
  for (uint32_t i = 0; i < nA; ++i) joined.points[i] = a.points[i];
  for (uint32_t i = 0; i < nB; ++i) joined.points[nA + i] = b.points[i];
  double* knots = joined.knotVector.knots.data;
  const uint32_t kA = a.knotVector.knotCount();
  for (uint32_t i = 0; i < kA; ++i) knots[i] = a.knotVector.knots.data[i];
  for (uint32_t i = p + 1; i < b.knotVector.knotCount(); ++i)
    knots[kA + i - p - 1] = b.knotVector.knots.data[i] + offset;
  joined.checkData();
  *this = joined;
  return 1;
}
