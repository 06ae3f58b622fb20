#include "model3d/nurbs/nurbCurveC.h"

#include <cmath>

#include "model3d/nurbs/nurbPointSearch.h"
#include "model3d/nurbs/nurbVectorOps.h"

nurbCurveC::nurbCurveC(uint32_t degree, const memManDataPoolC<double>& knots,
                       const pageMemT<vectorC3d<double>, 3>& points3d, const memManDataPoolC<double>& weights)
    : knotVector(degree, knots, 0) {
  const uint32_t n = points3d.elementCount;
  if (weights.count() != n) {
    clear();
    return;
  }
  for (uint32_t i = 0; i < n; ++i) *points.newElement() = toHomogeneous(points3d[i], weights.data[i]);
  if (n > 0) knotVector.periodic = nurbSquaredLength(nurbDifference(points3d[n - 1], points3d[0])) < 1e-10;
  checkData();
}

void nurbCurveC::setData(uint32_t degree, uint32_t periodic, const memManDataPoolC<double>& knots,
                         const pageMemT<vectorC4d<double>, 3>& homogeneousPoints) {
  knotVector = nurbKnotVectorC(degree, knots, periodic);
  points = homogeneousPoints;
  checkData();
}

void nurbCurveC::checkData() {
  cache.invalidate();
  usable = knotVector.fitsPointCount(points.elementCount);
  for (uint32_t i = 0; usable && i < points.elementCount; ++i) usable = nurbIsFinite4(points[i]);
}

void nurbCurveC::clear() {
  knotVector = nurbKnotVectorC();
  points.elementCount = 0;
  usable = 0;
  cache.invalidate();
}

void nurbCurveC::setPeriodic(uint32_t periodic) {
  knotVector.periodic = periodic;
  cache.invalidate();
}

vectorC3d<double> nurbCurveC::curvePoint(double t) const {
  if (!usable) return vectorC3d<double>();
  const uint32_t p = knotVector.degree;
  t = knotVector.normalizeParam(t);
  const uint32_t span = knotVector.findSpan(t);
  double basis[nurbTableSide];
  uint32_t count = 0;
  knotVector.basisFuns(t, span, basis, count);
  vectorC4d<double> sum;
  for (uint32_t j = p + 1; j-- > 0;) nurbAddScaled4(sum, points[span - p + j], basis[j]);
  return toPoint3d(sum);
}

void nurbCurveC::curveDerivs(double t, uint32_t order, pageMemT<vectorC3d<double>, 3>& list) const {
  list.elementCount = 0;
  if (!usable || order > nurbMaxDegree) return;
  const uint32_t p = knotVector.degree;
  const uint32_t top = order < p ? order : p;
  t = knotVector.normalizeParam(t);
  const uint32_t span = knotVector.findSpan(t);
  double table[nurbTableSide * nurbTableSide];
  uint32_t rows = 0;
  uint32_t columns = 0;
  knotVector.dersBasisFuns(top, t, span, table, rows, columns);
  vectorC4d<double> a[nurbTableSide];
  for (uint32_t k = 0; k <= top; ++k)
    for (uint32_t j = 0; j <= p; ++j) nurbAddScaled4(a[k], points[span - p + j], table[k * columns + j]);
  double binomials[nurbTableSide * nurbTableSide];
  const uint32_t side = order + 1;
  fillBinomials(binomials, side);
  const double w0 = a[0].w;
  for (uint32_t k = 0; k <= order; ++k) {
    vectorC3d<double> v(a[k]);
    for (uint32_t i = k; i >= 1; --i)
      v = nurbDifference(v, nurbScaled(list[k - i], binomials[k * side + i] * a[i].w));
    // A weight sum of zero has no point: the derivatives are given as zero.
    *list.newElement() = w0 == 0.0 ? vectorC3d<double>() : nurbScaled(v, 1.0 / w0);
  }
}

vectorC3d<double> nurbCurveC::curveTangent(double t) const {
  pageMemT<vectorC3d<double>, 3> list;
  curveDerivs(t, 1, list);
  return list.elementCount > 1 ? list[1] : vectorC3d<double>();
}

void nurbCurveC::getControlPoints3d(pageMemT<vectorC3d<double>, 3>& list) const {
  list.elementCount = 0;
  for (uint32_t i = 0; i < points.elementCount; ++i) *list.newElement() = toPoint3d(points[i]);
}

void nurbCurveC::getControlPoints(pageMemT<vectorC4d<double>, 3>& list) const { list = points; }

void nurbCurveC::getWeights(memManDataPoolC<double>& weights) const {
  weights.setCount(points.elementCount);
  for (uint32_t i = 0; i < points.elementCount; ++i) weights.data[i] = points[i].w;
}

void nurbCurveC::reverse() {
  const uint32_t n = points.elementCount;
  for (uint32_t i = 0; i < n / 2; ++i) std::swap(points[i], points[n - 1 - i]);
  knotVector.mirror();
  checkData();
}

nurbBoundingBoxS nurbCurveC::getBoundingBox() const {
  if (!usable) return nurbBoundingBoxS();
  if (!cache.box.valid) cache.box = boxOfControlPoints(points);
  return cache.box;
}

vectorC3d<double> nurbCurveC::getStartPoint() const {
  double lo = 0.0;
  double hi = 0.0;
  getParamRange(lo, hi);
  return curvePoint(lo);
}

vectorC3d<double> nurbCurveC::getEndPoint() const {
  double lo = 0.0;
  double hi = 0.0;
  getParamRange(lo, hi);
  return curvePoint(hi);
}

void nurbCurveC::setPointCount(uint32_t n) {
  const uint32_t old = points.elementCount;
  while (uint64_t(points.pageCount) * points.pageSize < n) points.addPage();
  points.elementCount = n;
  for (uint32_t i = old; i < n; ++i) points[i] = vectorC4d<double>();
}

void nurbCurveC::resize(uint32_t n, uint32_t p) {
  const uint32_t oldCount = knotVector.knotCount();
  const uint32_t newCount = uint32_t(uint64_t(n) + p + 1);
  knotVector.degree = p;
  knotVector.knots.resizeBytes(memManDataPoolC<double>::bytesFor(newCount));
  for (uint32_t i = oldCount; i < newCount; ++i) knotVector.knots.data[i] = 0.0;
  setPointCount(n);
  checkData();
}
