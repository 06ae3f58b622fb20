// Point projection onto a curve, the test whether two curves run along each other, and the
// side direction of a curve on a surface.
#include <cmath>

#include "model3d/nurbs/nurbCurveC.h"
#include "model3d/nurbs/nurbPointSearch.h"
#include "model3d/nurbs/nurbSurfaceDataCacheC.h"
#include "model3d/nurbs/nurbVectorOps.h"

void nurbCurveC::projectPoint(const vectorC3d<double>& p, double& t, vectorC3d<double>& point, double& distance,
                              double eps1, double eps2, uint32_t maxIterations) const {
  double lo = 0.0;
  double hi = 0.0;
  getParamRange(lo, hi);
  const uint32_t sampleCount = points.elementCount > 4 ? points.elementCount : 4;
  const double step = (hi - lo) / double(sampleCount - 1);
  if (usable && cache.samples.elementCount == 0)
    for (uint32_t i = 0; i < sampleCount; ++i) *cache.samples.newElement() = curvePoint(lo + i * step);
  uint32_t index = 0;
  nearestPoint(cache.samples, p, distance, index, 1e-10);
  if (!usable) return;
  t = knotVector.normalizeParam(lo + index * step);
  point = curvePoint(t);
  if (distance <= 1e-10) return;
  pageMemT<vectorC3d<double>, 3> derivs;
  for (uint32_t iteration = 1; iteration <= maxIterations; ++iteration) {
    const vectorC3d<double> c = curvePoint(t);
    curveDerivs(t, 2, derivs);
    const vectorC3d<double> r = nurbDifference(c, p);
    point = c;
    distance = std::sqrt(nurbSquaredLength(r));
    const vectorC3d<double>& first = derivs[1];
    const vectorC3d<double>& second = derivs[2];
    const double d = nurbDot(first, r);
    const double lengths = std::sqrt(nurbSquaredLength(first)) * distance;
    // A point on the curve, a curve without tangent or numbers out of range: nothing to improve.
    if (lengths == 0.0 || !std::isfinite(lengths)) return;
    if (std::sqrt(3.0) * std::fabs(d) / lengths < eps2) return;
    const double denominator = nurbDot(second, r) + nurbSquaredLength(first);
    if (denominator == 0.0 || !std::isfinite(denominator)) return;
    const double next = knotVector.normalizeParam(t - d / denominator);
    if (nurbSquaredLength(nurbScaled(first, next - t)) < eps1 * eps1) return;
    t = next;
  }
}

int nurbCurveC::compareCurves(const nurbCurveC& other, uint32_t sampleLimit, double squaredTolerance) const {
  if (!usable || !other.usable) return 0;
  if (!boxesOverlap(getBoundingBox(), other.getBoundingBox(), 0.01)) return 0;
  uint32_t n = points.elementCount > other.points.elementCount ? points.elementCount : other.points.elementCount;
  if (n > sampleLimit) n = sampleLimit;
  if (n < 2) n = 2;
  double lo = 0.0;
  double hi = 0.0;
  other.getParamRange(lo, hi);
  const double step = (hi - lo) / double(n - 1);
  const double limit = squaredTolerance > 0.0 ? std::sqrt(squaredTolerance) : 0.0;
  double projected = 0.0;
  double sample = lo;
  for (uint32_t i = 0; i < n; ++i) {
    sample = lo + i * step;
    vectorC3d<double> point;
    double distance = 0.0;
    projectPoint(other.curvePoint(sample), projected, point, distance, 0.001, 0.001, 100);
    if (!(distance <= limit)) return 0;
  }
  return nurbDot(curveTangent(projected), other.curveTangent(sample)) > 0.0 ? 1 : -1;
}

void nurbCurveC::sideDirectionOnSurface(vectorC3d<double>& direction, double t,
                                        const nurbSurfaceDataCacheC& surface) const {
  vectorC3d<double> tangent = curveTangent(t);
  tangent.setLength(1.0);
  double u = 0.0;
  double v = 0.0;
  surface.invertPoint(curvePoint(t), u, v, 100);
  direction = tangent.cross(surface.surfaceNormal(u, v));
}
