// The NURBS kernel on any data. The input's bytes choose degrees, knot and point counts, knots,
// points, weights and parameters (ordinary values, extremes, NaN and infinities); curves and
// surfaces made of them go through every query, edit and builder. Invariant: every input runs
// to the end without a sanitizer report; the time limit of the runner catches a hang.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "model3d/nurbs/nurbCurveC.h"
#include "model3d/nurbs/nurbPointSearch.h"
#include "model3d/nurbs/nurbSurfaceDataCacheC.h"

namespace {

class inputC {
 public:
  inputC(const uint8_t* data, size_t size) : data(data), size(size) {}
  uint8_t byte() { return position < size ? data[position++] : 0; }
  uint32_t small(uint32_t bound) { return byte() % bound; }
  // Mostly ordinary numbers, sometimes the edges of the double range.
  double number() {
    const uint8_t kind = byte();
    switch (kind % 16) {
      case 0: return NAN;
      case 1: return INFINITY;
      case 2: return -INFINITY;
      case 3: return 1e300;
      case 4: return -1e-300;
      case 5: {
        double raw = 0;
        for (size_t i = 0; i < sizeof raw; ++i) reinterpret_cast<uint8_t*>(&raw)[i] = byte();
        return raw;
      }
      default: return (int(byte()) - 128) / 16.0 + kind / 64.0;
    }
  }

 private:
  const uint8_t* data;
  size_t size;
  size_t position = 0;
};

memManDataPoolC<double> knotsFrom(inputC& in, uint32_t count) {
  memManDataPoolC<double> knots(count);
  const bool sorted = in.small(4) != 0;
  double last = 0;
  for (uint32_t i = 0; i < count; ++i) {
    last = sorted ? last + double(in.small(3)) * 0.5 : in.number();
    knots.data[i] = last;
  }
  return knots;
}

pageMemT<vectorC3d<double>, 3> pointsFrom(inputC& in, uint32_t count) {
  pageMemT<vectorC3d<double>, 3> points;
  for (uint32_t i = 0; i < count; ++i) *points.newElement() = vectorC3d<double>(in.number(), in.number(), in.number());
  return points;
}

memManDataPoolC<double> weightsFrom(inputC& in, uint32_t count) {
  memManDataPoolC<double> weights(count);
  for (uint32_t i = 0; i < count; ++i) weights.data[i] = in.small(4) ? 0.5 + in.small(4) * 0.25 : in.number();
  return weights;
}

nurbCurveC curveFrom(inputC& in) {
  const uint32_t degree = in.small(6);
  const uint32_t count = in.small(12);
  const uint32_t knots = in.small(4) ? count + degree + 1 : in.small(20);
  return nurbCurveC(degree, knotsFrom(in, knots), pointsFrom(in, count), weightsFrom(in, in.small(8) ? count : 2));
}

nurbSurfaceDataCacheC surfaceFrom(inputC& in) {
  const uint32_t p = in.small(4);
  const uint32_t q = in.small(4);
  const uint32_t nU = in.small(6);
  const uint32_t nV = in.small(6);
  const uint32_t count = in.small(8) ? nU * nV : in.small(30);
  return nurbSurfaceDataCacheC(p, q, in.small(2), in.small(2), knotsFrom(in, nU + p + 1),
                               knotsFrom(in, in.small(8) ? nV + q + 1 : in.small(12)), nU, nV, pointsFrom(in, count),
                               weightsFrom(in, count));
}

matrixC4x4<double> frameFrom(inputC& in) {
  matrixC4x4<double> frame;
  frame.ident();
  if (in.small(2)) frame.setRotation(in.number(), in.number(), in.number(), in.number());
  frame.values[12] = in.number();
  return frame;
}

void driveCurve(inputC& in, nurbCurveC& curve, const nurbSurfaceDataCacheC& surface) {
  pageMemT<vectorC3d<double>, 3> list;
  for (int round = 0; round < 3; ++round) {
    const double t = in.number();
    curve.curvePoint(t);
    curve.curveDerivs(t, in.small(40), list);
    double at = 0;
    vectorC3d<double> point;
    double distance = 0;
    curve.projectPoint(vectorC3d<double>(in.number(), in.number(), in.number()), at, point, distance,
                       in.small(2) ? 1e-10 : in.number(), in.small(2) ? 1e-10 : in.number(), in.small(60));
    curve.compareCurves(curve, in.small(20), in.number());
    vectorC3d<double> side;
    curve.sideDirectionOnSurface(side, t, surface);
  }
  pageMemT<double, 3> inserted;
  for (uint32_t i = in.small(5); i > 0; --i) *inserted.newElement() = in.number();
  curve.refineKnots(inserted);
  nurbCurveC left;
  nurbCurveC right;
  curve.split(in.number(), left, right);
  left.curvePoint(in.number());
  right.elevateDegree(int32_t(in.small(5)) - 1);
  curve.elevateDegree(int32_t(in.small(5)) - 1);
  curve.reverse();
  nurbCurveC joined;
  joined.join(curve, left);
  joined.curvePoint(in.number());
  curve.getBoundingBox();
}

void driveSurface(inputC& in, nurbSurfaceDataCacheC& surface, const nurbCurveC& curve) {
  pageMemT<vectorC3d<double>, 3> table;
  for (int round = 0; round < 3; ++round) {
    const double u = in.number();
    const double v = in.number();
    surface.surfacePoint(u, v);
    surface.surfaceDerivs(u, v, int32_t(in.small(40)) - 2, table);
    surface.surfaceNormal(u, v);
    double pu = in.number();
    double pv = in.number();
    surface.invertPoint(vectorC3d<double>(in.number(), in.number(), in.number()), pu, pv, in.small(40));
  }
  pageMemT<vectorC2d<double>, 3> uv;
  surface.projectCurve(curve, int32_t(in.small(12)) - 1, uv);
  nurbCurveC iso;
  surface.isoCurveAtV(in.number(), iso);
  iso.curvePoint(in.number());
  surface.isoCurveAtU(in.number(), iso);
  surface.reverseU();
  surface.getBoundingBox();
  if (in.small(4) == 0) surface.invalidate();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  inputC in(data, size);
  nurbCurveC curve = curveFrom(in);
  nurbSurfaceDataCacheC surface = surfaceFrom(in);
  switch (in.small(4)) {
    case 0:
      curve.makeArc(vectorC3d<double>(in.number(), 0, 0), vectorC3d<double>(1, 0, 0), vectorC3d<double>(0, 1, 0),
                    in.number(), in.number(), in.number());
      break;
    case 1: curve.makeCircle(frameFrom(in), in.number()); break;
    case 2: surface.makePlane(frameFrom(in), in.number(), in.number(), in.number(), in.number()); break;
    default: surface.makeCylinder(frameFrom(in), in.number(), in.number()); break;
  }
  driveCurve(in, curve, surface);
  driveSurface(in, surface, curve);
  vectorC3d<double> meeting;
  intersectLines(vectorC3d<double>(in.number(), 0, 0), vectorC3d<double>(in.number(), 1, 0),
                 vectorC3d<double>(0, in.number(), 0), vectorC3d<double>(1, in.number(), 0), meeting);
  return 0;
}
