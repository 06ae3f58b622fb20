// A rational B-spline curve in 3D: its knot vector, its control points in homogeneous form
// (x·w, y·w, z·w, w) and a cache of its box and sample points. Data that do not make a curve
// (a knot count other than points + degree + 1, knots out of order, a number that is not
// finite, a degree past 32) make an empty curve: every query on it returns at once with zero or
// failure results. Queries never touch state outside the curve.
#pragma once

#include <cstdint>

#include "geom/matrixC4x4.h"
#include "geom/vectorC3d.h"
#include "geom/vectorC4d.h"
#include "memman/memManDataPoolC.h"
#include "memman/pageMemT.h"
#include "model3d/nurbs/nurbBoundingBoxS.h"
#include "model3d/nurbs/nurbCurveDataCacheC.h"
#include "model3d/nurbs/nurbKnotVectorC.h"

class nurbSurfaceDataCacheC;

class nurbCurveC {
 public:
  // An empty curve.
  nurbCurveC() = default;
  // Periodic when the last point lies within squared distance 1e-10 of the first.
  nurbCurveC(uint32_t degree, const memManDataPoolC<double>& knots, const pageMemT<vectorC3d<double>, 3>& points,
             const memManDataPoolC<double>& weights);

  // Replaces the whole curve by homogeneous control points (empty when they do not fit).
  void setData(uint32_t degree, uint32_t periodic, const memManDataPoolC<double>& knots,
               const pageMemT<vectorC4d<double>, 3>& homogeneousPoints);

  bool isEmpty() const { return usable == 0; }
  uint32_t getDegree() const { return knotVector.degree; }
  uint32_t getPointCount() const { return points.elementCount; }
  const nurbKnotVectorC& getKnotVector() const { return knotVector; }
  uint32_t getPeriodic() const { return knotVector.periodic; }
  void setPeriodic(uint32_t periodic);
  void getParamRange(double& lo, double& hi) const { knotVector.getParamRange(lo, hi); }
  void invalidate() { cache.invalidate(); }

  vectorC3d<double> curvePoint(double t) const;
  // The point and its derivatives up to order d into list (d + 1 entries); an empty list for an
  // order past 32 or an empty curve.
  void curveDerivs(double t, uint32_t order, pageMemT<vectorC3d<double>, 3>& list) const;
  // The first derivative, not normalised.
  vectorC3d<double> curveTangent(double t) const;
  void getControlPoints3d(pageMemT<vectorC3d<double>, 3>& list) const;
  void getControlPoints(pageMemT<vectorC4d<double>, 3>& list) const;
  void getWeights(memManDataPoolC<double>& weights) const;
  // The same curve run the other way: points reversed, knots mirrored in the range.
  void reverse();
  // The box of the control points (computed once until the cache is dropped); invalid and zero
  // for an empty curve.
  nurbBoundingBoxS getBoundingBox() const;
  // The curve point nearest to p by Newton iteration from the nearest sample. An empty curve
  // leaves t and point alone and gives the distance 1e5.
  void projectPoint(const vectorC3d<double>& p, double& t, vectorC3d<double>& point, double& distance, double eps1,
                    double eps2, uint32_t maxIterations) const;
  // 1 when other runs along this curve the same way, -1 the other way, 0 when it leaves it by
  // more than sqrt(squaredTolerance) (at most sampleLimit samples, at least 2).
  int compareCurves(const nurbCurveC& other, uint32_t sampleLimit, double squaredTolerance) const;
  // The unit tangent at t crossed with the unit normal of the surface at its point nearest to
  // the curve point.
  void sideDirectionOnSurface(vectorC3d<double>& direction, double t, const nurbSurfaceDataCacheC& surface) const;

  // Degree p with n control points (kept, added as zero) and n + p + 1 knots (kept, added as
  // 0.0), for the caller to fill.
  void resize(uint32_t n, uint32_t p);
  vectorC3d<double> getStartPoint() const;
  vectorC3d<double> getEndPoint() const;
  // Inserts the knots of x (non-decreasing, inside [U[p], U[n]], the range of a clamped curve) at
  // once; any other list changes nothing.
  void refineKnots(const pageMemT<double, 3>& x);
  // This curve cut at t into left and right: 1. A parameter not strictly inside the range of
  // the clamped curve, or NaN, gives 0 and leaves both alone.
  int split(double t, nurbCurveC& left, nurbCurveC& right) const;
  // Raises the degree by elevations keeping the shape; nothing for 0 or less, past degree 32,
  // or for a curve not clamped at both ends.
  void elevateDegree(int32_t elevations);

  void makeLine(const vectorC3d<double>& start, const vectorC3d<double>& end);
  // The straight segment as a degree-2 curve, so that it joins with arcs.
  void makeQuadraticLine(const vectorC3d<double>& start, const vectorC3d<double>& end);
  // The circular arc of radius r about o in the plane of the axes x and y, from angle a0 to a1
  // (radians, a1 raised by whole turns until it is not below a0). A NaN or infinite angle or
  // radius builds nothing and leaves the curve as it was.
  void makeArc(const vectorC3d<double>& o, const vectorC3d<double>& x, const vectorC3d<double>& y, double a0,
               double a1, double r);
  // The full circle of the diameter in the xy plane of the frame; a diameter that is not finite
  // builds nothing.
  void makeCircle(const matrixC4x4<double>& frame, double diameter);
  // a followed by b, turned so that they meet within 1e-8: 1. Different degrees, an empty curve
  // or ends that do not meet: 0, this curve untouched.
  int join(nurbCurveC a, nurbCurveC b);

 private:
  nurbKnotVectorC knotVector;
  pageMemT<vectorC4d<double>, 3> points;
  mutable nurbCurveDataCacheC cache;
  uint32_t usable = 0;

  void checkData();
  void clear();
  void setPointCount(uint32_t n);
};

// The meeting point of the line through p0 along t0 with the line through p2 along t2, into
// p1: 1. Parallel directions (or a meeting point beyond the double range): 0, p1 unchanged.
int intersectLines(const vectorC3d<double>& p0, const vectorC3d<double>& t0, const vectorC3d<double>& p2,
                   const vectorC3d<double>& t2, vectorC3d<double>& p1);
