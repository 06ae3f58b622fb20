// Point inversion on a surface: the nearest grid sample, then Newton iteration with restarts.
#include <climits>
#include <cmath>

#include "geom/solve2x2.h"
#include "model3d/nurbs/nurbCurveC.h"
#include "model3d/nurbs/nurbSurfaceDataCacheC.h"
#include "model3d/nurbs/nurbVectorOps.h"

namespace {

// Values 0..32767 for the restarts, from a state of their own: the host's random sequence is
// never drawn from, and the same call gives the same result whatever ran before.
class restartGeneratorC {
 public:
  int next() {
    state = state * 1103515245u + 12345u;
    return int((state >> 16) & 0x7fffu);
  }

 private:
  uint32_t state = 1;
};

}  // namespace

int nurbSurfaceDataCacheC::invertPoint(const vectorC3d<double>& p, double& u, double& v, uint32_t limit) const {
  if (!usable) return 0;
  double distance = 0.0;
  uint32_t index = 0;
  nearestSample(p, distance, index, 1e-10);
  uint32_t rows = 0;
  uint32_t columns = 0;
  sampleGridSize(rows, columns);
  double uMin = 0.0;
  double uMax = 0.0;
  double vMin = 0.0;
  double vMax = 0.0;
  getParamRange(uMin, uMax, vMin, vMax);
  u = uMin + double(index / columns) * ((uMax - uMin) / double(rows - 1));
  v = vMin + double(index % columns) * ((vMax - vMin) / double(columns - 1));
  if (distance <= 1e-10) return 1;
  const int32_t bounded = limit > uint32_t(INT32_MAX) ? INT32_MAX : int32_t(limit);
  return newtonInvert(p, u, v, bounded, uMin, uMax, vMin, vMax);
}

int nurbSurfaceDataCacheC::newtonInvert(const vectorC3d<double>& p, double& u, double& v, int32_t limit, double uMin,
                                        double uMax, double vMin, double vMax) const {
  if (!usable) return 0;
  restartGeneratorC generator;
  double signU = 1.0;
  double signV = -1.0;
  double uPrevious = u;
  double vPrevious = v;
  pageMemT<vectorC3d<double>, 3> table;
  for (int32_t n = 0; n < limit; ++n) {
    u = knotsU.clampParam(u, uMin, uMax);
    v = knotsV.clampParam(v, vMin, vMax);
    if (n > 0 && u == uPrevious && v == vPrevious) {
      signU = -signU;
      u += signU * ((uMax - uMin) / 10.0 * generator.next()) / 32767.0;
      signV = -signV;
      v += signV * ((vMax - vMin) / 10.0 * generator.next()) / 32767.0;
      u = knotsU.clampParam(u, uMin, uMax);
      v = knotsV.clampParam(v, vMin, vMax);
    }
    uPrevious = u;
    vPrevious = v;
    surfaceDerivs(u, v, 1, table);
    const vectorC3d<double> s = table[0];
    const vectorC3d<double> su = table[2];
    const vectorC3d<double> sv = table[1];
    const double a = nurbSquaredLength(su);
    const double b = nurbSquaredLength(sv);
    const vectorC3d<double> toPoint = nurbDifference(p, s);
    // A step that is not a finite number is no step: the restart rule moves on.
    if (a < 1e-6 || b < 1e-6) {
      const vectorC3d<double> e = nurbScaled(toPoint, -1.0);
      surfaceDerivs(u, v, 2, table);
      if (a < 1e-6)
        v -= nurbQuotientOrZero(nurbDot(sv, e), nurbDot(table[2], e) + b);
      else
        u -= nurbQuotientOrZero(nurbDot(su, e), nurbDot(table[6], e) + a);
    } else {
      const double matrix[4] = {a, nurbDot(su, sv), nurbDot(sv, su), b};
      const double right[2] = {nurbDot(toPoint, su), nurbDot(toPoint, sv)};
      double step[2] = {0.0, 0.0};
      if (!solve2x2(matrix, right, step, 1e-5) || !std::isfinite(step[0]) || !std::isfinite(step[1]))
        step[0] = step[1] = 0.0;
      else if (std::fabs(step[0]) < 1e-8 && std::fabs(step[1]) < 1e-8)
        return 1;
      u += step[0];
      v += step[1];
    }
    if (nurbSquaredLength(toPoint) < 1e-8) return 1;
  }
  return 0;
}

void nurbSurfaceDataCacheC::projectCurve(const nurbCurveC& curve, int32_t count,
                                         pageMemT<vectorC2d<double>, 3>& list) const {
  list.elementCount = 0;
  if (count < 2 || curve.isEmpty()) return;
  double t0 = 0.0;
  double t1 = 0.0;
  curve.getParamRange(t0, t1);
  const double step = (t1 - t0) / double(count - 1);
  double t = t0;
  for (int32_t i = 0; i < count; ++i, t += step) {
    double u = 0.0;
    double v = 0.0;
    if (invertPoint(curve.curvePoint(t), u, v, 100)) *list.newElement() = vectorC2d<double>(u, v);
  }
}
