// A rational B-spline surface in 3D with its cached box and sample grid. The net is held row by
// row along U: control point (i, j) is element i·nV + j, in homogeneous form (x·w, y·w, z·w, w).
// Data that do not make a surface (a point or weight count other than nU·nV, a knot count other
// than points + degree + 1 in either direction, knots out of order, a number that is not finite,
// a degree past 32) make an empty surface: every query on it returns at once with zero or
// failure results. Queries never touch state outside the surface.
#pragma once

#include <cstdint>

#include "geom/matrixC4x4.h"
#include "geom/vectorC2d.h"
#include "geom/vectorC3d.h"
#include "geom/vectorC4d.h"
#include "memman/memManDataPoolC.h"
#include "memman/pageMemT.h"
#include "model3d/nurbs/nurbBoundingBoxS.h"
#include "model3d/nurbs/nurbDataCacheC.h"
#include "model3d/nurbs/nurbKnotVectorC.h"

class nurbCurveC;

class nurbSurfaceDataCacheC : public nurbDataCacheC {
 public:
  // An empty surface.
  nurbSurfaceDataCacheC() = default;
  nurbSurfaceDataCacheC(uint32_t degreeU, uint32_t degreeV, uint32_t periodicU, uint32_t periodicV,
                        const memManDataPoolC<double>& knotsU, const memManDataPoolC<double>& knotsV, uint32_t nU,
                        uint32_t nV, const pageMemT<vectorC3d<double>, 3>& points,
                        const memManDataPoolC<double>& weights);

  bool isEmpty() const { return usable == 0; }
  uint32_t getCountU() const { return countU; }
  uint32_t getCountV() const { return countV; }
  const nurbKnotVectorC& getKnotsU() const { return knotsU; }
  const nurbKnotVectorC& getKnotsV() const { return knotsV; }

  void invalidate() override;
  void getParamRange(double& uMin, double& uMax, double& vMin, double& vMax) const;
  vectorC3d<double> surfacePoint(double u, double v) const;
  // The derivatives S(k, l) for k + l <= d into table, (d + 1)² entries, S(k, l) at k·(d + 1) + l
  // (the others zero); an empty table for an order below 0 or past 32, or an empty surface.
  void surfaceDerivs(double u, double v, int32_t order, pageMemT<vectorC3d<double>, 3>& table) const;
  // The unit normal Su × Sv; (0, 0, 0) where the cross product vanishes.
  vectorC3d<double> surfaceNormal(double u, double v) const;
  nurbBoundingBoxS getBoundingBox() const;
  // The grid sample nearest to p (the grid is built once until invalidate).
  void nearestSample(const vectorC3d<double>& p, double& distance, uint32_t& index, double threshold) const;
  // The parameters of the surface point nearest to p: 1 found, 0 not (or an empty surface,
  // which leaves u and v alone).
  int invertPoint(const vectorC3d<double>& p, double& u, double& v, uint32_t limit) const;
  // Newton iteration from (u, v) inside the bounds, with restarts when it sticks: 1 converged.
  // The restarts draw from a generator of this code alone, seeded the same at every call.
  int newtonInvert(const vectorC3d<double>& p, double& u, double& v, int32_t limit, double uMin, double uMax,
                   double vMin, double vMax) const;
  // The (u, v) of count curve points evenly spread over its range; those that do not invert are
  // left out. An empty list for a count below 2.
  void projectCurve(const nurbCurveC& curve, int32_t count, pageMemT<vectorC2d<double>, 3>& list) const;
  void isoCurveAtV(double v, nurbCurveC& curve) const;
  void isoCurveAtU(double u, nurbCurveC& curve) const;
  // The net reversed along U, the U knots mirrored: the same surface with u running backwards.
  void reverseU();
  memManDataPoolC<double> getWeights() const;
  void getControlPoints3d(pageMemT<vectorC3d<double>, 3>& list) const;
  void getControlNet(pageMemT<vectorC4d<double>, 3>& list) const;

  // The bilinear patch of the local xy rectangle from (-a, -c) to (b, d), placed by frame; U runs
  // from y = d to y = -c, V from x = -a to x = b.
  void makePlane(const matrixC4x4<double>& frame, double a, double b, double c, double d);
  // The cylinder of the diameter about the frame's z axis from z = 0 to z = height; V runs
  // round (periodic), U along the axis.
  void makeCylinder(const matrixC4x4<double>& frame, double diameter, double height);

 private:
  // The curve with the knots along, of countAlong points: point i blends the net points
  // i * strideAlong + k * strideAcross for the spans of across at t.
  void isoCurve(const nurbKnotVectorC& across, double t, const nurbKnotVectorC& along, uint32_t countAlong,
                uint32_t strideAlong, uint32_t strideAcross, nurbCurveC& curve) const;

  mutable nurbBoundingBoxS box;
  mutable pageMemT<vectorC3d<double>, 3> samples;
  nurbKnotVectorC knotsU;
  nurbKnotVectorC knotsV;
  pageMemT<vectorC4d<double>, 3> net;
  uint32_t countU = 0;
  uint32_t countV = 0;
  uint32_t usable = 0;

  void sampleGridSize(uint32_t& rows, uint32_t& columns) const;
};
