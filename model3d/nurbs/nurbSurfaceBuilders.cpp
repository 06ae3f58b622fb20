// Plane patches and cylinders as NURBS surfaces.
#include "model3d/nurbs/nurbSurfaceDataCacheC.h"
#include "model3d/nurbs/nurbUnitCircle.h"
#include "model3d/nurbs/nurbVectorOps.h"

namespace {

const double lineKnots[] = {0, 0, 1, 1};

}  // namespace

void nurbSurfaceDataCacheC::makePlane(const matrixC4x4<double>& frame, double a, double b, double c, double d) {
  pageMemT<vectorC3d<double>, 3> points;
  for (const vectorC3d<double>& corner : {vectorC3d<double>(-a, d, 0), vectorC3d<double>(b, d, 0),
                                          vectorC3d<double>(-a, -c, 0), vectorC3d<double>(b, -c, 0)})
    *points.newElement() = frame.transformPoint(corner);
  const double ones[] = {1, 1, 1, 1};
  const memManDataPoolC<double> knots(lineKnots, 4);
  *this = nurbSurfaceDataCacheC(1, 1, 0, 0, knots, knots, 2, 2, points, memManDataPoolC<double>(ones, 4));
}

void nurbSurfaceDataCacheC::makeCylinder(const matrixC4x4<double>& frame, double diameter, double height) {
  pageMemT<vectorC3d<double>, 3> points;
  memManDataPoolC<double> weights(18);
  for (uint32_t row = 0; row < 2; ++row) {
    for (uint32_t i = 0; i < 9; ++i) {
      vectorC3d<double> point = nurbScaled(unitCircleClockwise[i], diameter / 2.0);
      point.z = row == 0 ? 0.0 : height;
      *points.newElement() = frame.transformPoint(point);
      weights.data[row * 9 + i] = unitCircleWeights[i];
    }
  }
  *this = nurbSurfaceDataCacheC(1, 2, 0, 1, memManDataPoolC<double>(lineKnots, 4), circleKnots(), 2, 9, points,
                                weights);
}
