#include "model3d/nurbs/nurbSurfaceDataCacheC.h"

#include <cmath>
#include <utility>
#include <vector>

#include "model3d/nurbs/nurbCurveC.h"
#include "model3d/nurbs/nurbPointSearch.h"
#include "model3d/nurbs/nurbVectorOps.h"

nurbSurfaceDataCacheC::nurbSurfaceDataCacheC(uint32_t degreeU, uint32_t degreeV, uint32_t periodicU,
                                             uint32_t periodicV, const memManDataPoolC<double>& knotsU,
                                             const memManDataPoolC<double>& knotsV, uint32_t nU, uint32_t nV,
                                             const pageMemT<vectorC3d<double>, 3>& points,
                                             const memManDataPoolC<double>& weights)
    : knotsU(degreeU, knotsU, periodicU), knotsV(degreeV, knotsV, periodicV), countU(nU), countV(nV) {
  const uint32_t count = points.elementCount;
  usable = uint64_t(nU) * nV == count && weights.count() == count && this->knotsU.fitsPointCount(nU) &&
           this->knotsV.fitsPointCount(nV);
  for (uint32_t k = 0; usable && k < count; ++k) {
    *net.newElement() = toHomogeneous(points[k], weights.data[k]);
    usable = nurbIsFinite4(net[k]);
  }
  if (!usable) {
    this->knotsU = nurbKnotVectorC();
    this->knotsV = nurbKnotVectorC();
    net.elementCount = 0;
    countU = countV = 0;
  }
}

void nurbSurfaceDataCacheC::invalidate() {
  samples.elementCount = 0;
  box.valid = 0;
}

void nurbSurfaceDataCacheC::getParamRange(double& uMin, double& uMax, double& vMin, double& vMax) const {
  knotsU.getParamRange(uMin, uMax);
  knotsV.getParamRange(vMin, vMax);
}

vectorC3d<double> nurbSurfaceDataCacheC::surfacePoint(double u, double v) const {
  if (!usable) return vectorC3d<double>();
  const uint32_t p = knotsU.degree;
  const uint32_t q = knotsV.degree;
  u = knotsU.normalizeParam(u);
  v = knotsV.normalizeParam(v);
  const uint32_t spanU = knotsU.findSpan(u);
  const uint32_t spanV = knotsV.findSpan(v);
  double nu[nurbTableSide];
  double nv[nurbTableSide];
  uint32_t count = 0;
  knotsU.basisFuns(u, spanU, nu, count);
  knotsV.basisFuns(v, spanV, nv, count);
  vectorC4d<double> sum;
  for (uint32_t l = 0; l <= q; ++l) {
    vectorC4d<double> temp;
    for (uint32_t k = 0; k <= p; ++k) nurbAddScaled4(temp, net[(spanU - p + k) * countV + (spanV - q + l)], nu[k]);
    nurbAddScaled4(sum, temp, nv[l]);
  }
  return toPoint3d(sum);
}

void nurbSurfaceDataCacheC::surfaceDerivs(double u, double v, int32_t order,
                                          pageMemT<vectorC3d<double>, 3>& table) const {
  table.elementCount = 0;
  if (!usable || order < 0 || order > int32_t(nurbMaxDegree)) return;
  const uint32_t d = uint32_t(order);
  const uint32_t side = d + 1;
  const uint32_t p = knotsU.degree;
  const uint32_t q = knotsV.degree;
  const uint32_t du = d < p ? d : p;
  const uint32_t dv = d < q ? d : q;
  u = knotsU.normalizeParam(u);
  v = knotsV.normalizeParam(v);
  const uint32_t spanU = knotsU.findSpan(u);
  const uint32_t spanV = knotsV.findSpan(v);
  std::vector<double> nu(nurbTableSide * nurbTableSide);
  std::vector<double> nv(nurbTableSide * nurbTableSide);
  uint32_t rowsU = 0;
  uint32_t columnsU = 0;
  uint32_t rowsV = 0;
  uint32_t columnsV = 0;
  knotsU.dersBasisFuns(du, u, spanU, nu.data(), rowsU, columnsU);
  knotsV.dersBasisFuns(dv, v, spanV, nv.data(), rowsV, columnsV);
  std::vector<vectorC4d<double>> aders(size_t(side) * side);
  std::vector<vectorC4d<double>> temp(q + 1);
  for (uint32_t k = 0; k <= du; ++k) {
    for (uint32_t s = 0; s <= q; ++s) {
      temp[s] = vectorC4d<double>();
      for (uint32_t r = 0; r <= p; ++r)
        nurbAddScaled4(temp[s], net[(spanU - p + r) * countV + (spanV - q + s)], nu[k * columnsU + r]);
    }
    const uint32_t dd = d - k < dv ? d - k : dv;
    for (uint32_t l = 0; l <= dd; ++l)
      for (uint32_t s = 0; s <= q; ++s) nurbAddScaled4(aders[k * side + l], temp[s], nv[l * columnsV + s]);
  }
  std::vector<double> binomials(size_t(side) * side);
  fillBinomials(binomials.data(), side);
  auto bin = [&](uint32_t n, uint32_t k) { return binomials[n * side + k]; };
  for (uint32_t i = 0; i < side * side; ++i) *table.newElement() = vectorC3d<double>();
  const double w00 = aders[0].w;
  for (uint32_t k = 0; k <= d; ++k) {
    for (uint32_t l = 0; l <= d - k; ++l) {
      vectorC3d<double> value(aders[k * side + l]);
      for (uint32_t j = 1; j <= l; ++j)
        value = nurbDifference(value, nurbScaled(table[k * side + l - j], bin(l, j) * aders[j].w));
      for (uint32_t i = 1; i <= k; ++i) {
        value = nurbDifference(value, nurbScaled(table[(k - i) * side + l], bin(k, i) * aders[i * side].w));
        vectorC3d<double> inner;
        for (uint32_t j = 1; j <= l; ++j)
          inner = nurbSum(inner, nurbScaled(table[(k - i) * side + l - j], bin(l, j) * aders[i * side + j].w));
        value = nurbDifference(value, nurbScaled(inner, bin(k, i)));
      }
      // A weight sum of zero has no point: its entries stay zero.
      table[k * side + l] = w00 == 0.0 ? vectorC3d<double>() : nurbScaled(value, 1.0 / w00);
    }
  }
}

vectorC3d<double> nurbSurfaceDataCacheC::surfaceNormal(double u, double v) const {
  pageMemT<vectorC3d<double>, 3> table;
  surfaceDerivs(u, v, 1, table);
  if (table.elementCount < 4) return vectorC3d<double>();
  const vectorC3d<double> normal = table[2].cross(table[1]);
  const double length = normal.length();
  if (length == 0.0 || !std::isfinite(length)) return vectorC3d<double>();
  return nurbScaled(normal, 1.0 / length);
}

nurbBoundingBoxS nurbSurfaceDataCacheC::getBoundingBox() const {
  if (!usable) return nurbBoundingBoxS();
  if (!box.valid) box = boxOfControlPoints(net);
  return box;
}

void nurbSurfaceDataCacheC::sampleGridSize(uint32_t& rows, uint32_t& columns) const {
  rows = 2 * countU > 4 ? 2 * countU : 4;
  columns = 2 * countV > 4 ? 2 * countV : 4;
}

void nurbSurfaceDataCacheC::nearestSample(const vectorC3d<double>& p, double& distance, uint32_t& index,
                                          double threshold) const {
  if (usable && samples.elementCount == 0) {
    uint32_t rows = 0;
    uint32_t columns = 0;
    sampleGridSize(rows, columns);
    double uMin = 0.0;
    double uMax = 0.0;
    double vMin = 0.0;
    double vMax = 0.0;
    getParamRange(uMin, uMax, vMin, vMax);
    const double du = (uMax - uMin) / double(rows - 1);
    const double dv = (vMax - vMin) / double(columns - 1);
    double u = uMin;
    for (uint32_t i = 0; i < rows; ++i, u += du) {
      double v = vMin;
      for (uint32_t j = 0; j < columns; ++j, v += dv) *samples.newElement() = surfacePoint(u, v);
    }
  }
  nearestPoint(samples, p, distance, index, threshold);
}

void nurbSurfaceDataCacheC::isoCurve(const nurbKnotVectorC& across, double t, const nurbKnotVectorC& along,
                                     uint32_t countAlong, uint32_t strideAlong, uint32_t strideAcross,
                                     nurbCurveC& curve) const {
  if (!usable) {
    curve = nurbCurveC();
    return;
  }
  const uint32_t degree = across.degree;
  t = across.normalizeParam(t);
  const uint32_t span = across.findSpan(t);
  double basis[nurbTableSide];
  uint32_t count = 0;
  across.basisFuns(t, span, basis, count);
  pageMemT<vectorC4d<double>, 3> points;
  for (uint32_t i = 0; i < countAlong; ++i) {
    vectorC4d<double>* point = points.newElement();
    *point = vectorC4d<double>();
    for (uint32_t k = 0; k <= degree; ++k)
      nurbAddScaled4(*point, net[i * strideAlong + (span - degree + k) * strideAcross], basis[k]);
  }
  curve.setData(along.degree, along.periodic, along.knots, points);
}

void nurbSurfaceDataCacheC::isoCurveAtV(double v, nurbCurveC& curve) const {
  isoCurve(knotsV, v, knotsU, countU, countV, 1, curve);
}

void nurbSurfaceDataCacheC::isoCurveAtU(double u, nurbCurveC& curve) const {
  isoCurve(knotsU, u, knotsV, countV, 1, countV, curve);
}

void nurbSurfaceDataCacheC::reverseU() {
  for (uint32_t j = 0; j < countV; ++j)
    for (uint32_t i = 0; i < countU / 2; ++i) std::swap(net[i * countV + j], net[(countU - 1 - i) * countV + j]);
  knotsU.mirror();
  invalidate();
}

memManDataPoolC<double> nurbSurfaceDataCacheC::getWeights() const {
  memManDataPoolC<double> weights(net.elementCount);
  for (uint32_t k = 0; k < net.elementCount; ++k) weights.data[k] = net[k].w;
  return weights;
}

void nurbSurfaceDataCacheC::getControlPoints3d(pageMemT<vectorC3d<double>, 3>& list) const {
  list.elementCount = 0;
  for (uint32_t k = 0; k < net.elementCount; ++k) *list.newElement() = toPoint3d(net[k]);
}

void nurbSurfaceDataCacheC::getControlNet(pageMemT<vectorC4d<double>, 3>& list) const { list = net; }
