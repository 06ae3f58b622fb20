#include "model3d/nurbs/nurbKnotVectorC.h"

#include <cmath>
#include <utility>
#include <vector>

#include "model3d/nurbs/nurbVectorOps.h"

uint32_t nurbKnotVectorC::controlPointCount() const {
  const uint32_t k = knotCount();
  return k > degree + 1 ? k - degree - 1 : 0;
}

bool nurbKnotVectorC::fitsPointCount(uint32_t pointCount) const {
  if (degree > nurbMaxDegree || pointCount < degree + 1) return false;
  if (uint64_t(knotCount()) != uint64_t(pointCount) + degree + 1) return false;
  for (uint32_t i = 0; i < knotCount(); ++i) {
    if (!std::isfinite(knots.data[i])) return false;
    if (i > 0 && knots.data[i] < knots.data[i - 1]) return false;
  }
  return true;
}

bool nurbKnotVectorC::isClamped() const {
  const uint32_t k = knotCount();
  if (k < 2 * degree + 2) return false;
  for (uint32_t i = 1; i <= degree; ++i)
    if (knots.data[i] != knots.data[0] || knots.data[k - 1 - i] != knots.data[k - 1]) return false;
  return true;
}

void nurbKnotVectorC::getParamRange(double& lo, double& hi) const {
  const uint32_t k = knotCount();
  lo = k ? knots.data[0] : 0.0;
  hi = k ? knots.data[k - 1] : 0.0;
}

double nurbKnotVectorC::normalizeParam(double t) const {
  double lo = 0.0;
  double hi = 0.0;
  getParamRange(lo, hi);
  if (std::isnan(t) || t == -INFINITY) return lo;
  if (t == INFINITY) return hi;
  const double range = hi - lo;
  if (periodic && (t > hi || t < lo)) {
    if (!(range > 0.0) || !std::isfinite(range)) return lo;
    if (t > hi) t = std::fmod(t - lo, range) + lo;
    if (t < lo) t = std::fmod(t - lo, range) + hi;
  }
  // Also catches what rounding of the remainder may leave outside.
  if (t > hi) return hi;
  if (t < lo) return lo;
  return t;
}

double nurbKnotVectorC::clampParam(double t, double a, double b) const {
  t = normalizeParam(t);
  if (t < a) return a;
  if (t > b) return b;
  return t;
}

uint32_t nurbKnotVectorC::findSpan(double t) const {
  const uint32_t n = controlPointCount();
  if (n <= degree) return degree;
  const double* u = knots.data;
  t = normalizeParam(t);
  if (t >= u[n]) return n - 1;
  if (t <= u[degree]) return degree;
  uint32_t low = degree;
  uint32_t high = n;
  uint32_t mid = (low + high) / 2;
  // Sorted knots need log2(n) steps; knots out of order stop at the bound.
  for (int steps = 0; steps < 64 && !(u[mid] <= t && t < u[mid + 1]); ++steps) {
    if (t < u[mid])
      high = mid;
    else
      low = mid;
    mid = (low + high) / 2;
  }
  return mid < degree ? degree : (mid > n - 1 ? n - 1 : mid);
}

void nurbKnotVectorC::basisFuns(double t, uint32_t span, double* n, uint32_t& count) const {
  const uint32_t p = degree;
  count = 0;
  if (p > nurbMaxDegree) return;
  count = p + 1;
  for (uint32_t j = 0; j <= p; ++j) n[j] = 0.0;
  if (span < p || uint64_t(span) + p >= knotCount()) return;
  const double* u = knots.data;
  double left[nurbTableSide];
  double right[nurbTableSide];
  n[0] = 1.0;
  for (uint32_t j = 1; j <= p; ++j) {
    left[j] = t - u[span + 1 - j];
    right[j] = u[span + j] - t;
    double saved = 0.0;
    for (uint32_t r = 0; r < j; ++r) {
      const double temp = nurbQuotientOrZero(n[r], right[r + 1] + left[j - r]);
      n[r] = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    n[j] = saved;
  }
}

double nurbKnotVectorC::oneBasisFun(double t, uint32_t i, int degreeQ) const {
  const uint32_t q = degreeQ < 1 ? degree : uint32_t(degreeQ);
  const uint32_t k = knotCount();
  if (q > nurbMaxDegree || uint64_t(i) + q + 1 >= k) return 0.0;
  const double* u = knots.data;
  t = normalizeParam(t);
  const uint32_t m = k - 1;
  if ((i == 0 && t == u[0]) || (i == m - q - 1 && t == u[m])) return 1.0;
  if (t < u[i] || t >= u[i + q + 1]) return 0.0;
  std::vector<double> n(q + 1);
  for (uint32_t j = 0; j <= q; ++j) n[j] = (t >= u[i + j] && t < u[i + j + 1]) ? 1.0 : 0.0;
  for (uint32_t level = 1; level <= q; ++level) {
    double saved = n[0] == 0.0 ? 0.0 : nurbQuotientOrZero((t - u[i]) * n[0], u[i + level] - u[i]);
    for (uint32_t j = 0; j < q - level + 1; ++j) {
      const double uLeft = u[i + j + 1];
      const double uRight = u[i + j + level + 1];
      if (n[j + 1] == 0.0) {
        n[j] = saved;
        saved = 0.0;
      } else {
        const double temp = nurbQuotientOrZero(n[j + 1], uRight - uLeft);
        n[j] = saved + (uRight - t) * temp;
        saved = (t - uLeft) * temp;
      }
    }
  }
  return n[0];
}

void nurbKnotVectorC::dersBasisFuns(uint32_t order, double t, uint32_t span, double* table, uint32_t& rows,
                                    uint32_t& columns) const {
  const uint32_t p = degree;
  rows = columns = 0;
  if (p > nurbMaxDegree || order > nurbMaxDegree) return;
  rows = order + 1;
  columns = p + 1;
  for (uint32_t i = 0; i < rows * columns; ++i) table[i] = 0.0;
  if (span < p || uint64_t(span) + p >= knotCount()) return;
  const double* u = knots.data;
  double ndu[nurbTableSide][nurbTableSide];
  double a[2][nurbTableSide];
  double left[nurbTableSide];
  double right[nurbTableSide];
  ndu[0][0] = 1.0;
  for (uint32_t j = 1; j <= p; ++j) {
    left[j] = t - u[span + 1 - j];
    right[j] = u[span + j] - t;
    double saved = 0.0;
    for (uint32_t r = 0; r < j; ++r) {
      ndu[j][r] = right[r + 1] + left[j - r];
      const double temp = nurbQuotientOrZero(ndu[r][j - 1], ndu[j][r]);
      ndu[r][j] = saved + right[r + 1] * temp;
      saved = left[j - r] * temp;
    }
    ndu[j][j] = saved;
  }
  for (uint32_t j = 0; j <= p; ++j) table[j] = ndu[j][p];
  const uint32_t top = order < p ? order : p;
  const int ip = int(p);
  for (int r = 0; r <= ip; ++r) {
    int s1 = 0;
    int s2 = 1;
    a[0][0] = 1.0;
    for (int k = 1; k <= int(top); ++k) {
      double d = 0.0;
      const int rk = r - k;
      const int pk = ip - k;
      if (r >= k) {
        a[s2][0] = nurbQuotientOrZero(a[s1][0], ndu[pk + 1][rk]);
        d = a[s2][0] * ndu[rk][pk];
      }
      const int j1 = rk >= -1 ? 1 : -rk;
      const int j2 = (r - 1 <= pk) ? k - 1 : ip - r;
      for (int j = j1; j <= j2; ++j) {
        a[s2][j] = nurbQuotientOrZero(a[s1][j] - a[s1][j - 1], ndu[pk + 1][rk + j]);
        d += a[s2][j] * ndu[rk + j][pk];
      }
      if (r <= pk) {
        a[s2][k] = nurbQuotientOrZero(-a[s1][k - 1], ndu[pk + 1][r]);
        d += a[s2][k] * ndu[r][pk];
      }
      table[k * columns + r] = d;
      std::swap(s1, s2);
    }
  }
  double factor = p;
  for (uint32_t k = 1; k <= top; ++k) {
    for (uint32_t j = 0; j <= p; ++j) table[k * columns + j] *= factor;
    factor *= double(p - k);
  }
}

uint32_t nurbKnotVectorC::getMultiplicity(uint32_t i) const {
  if (i >= knotCount()) return 0;
  uint32_t multiplicity = 1;
  for (uint32_t j = i; j > degree + 1 && knots.data[j - 1] == knots.data[i]; --j) ++multiplicity;
  return multiplicity;
}

void nurbKnotVectorC::mirror() {
  const uint32_t k = knotCount();
  if (k == 0) return;
  double* u = knots.data;
  const double sum = u[0] + u[k - 1];
  for (uint32_t i = 0; i < k / 2; ++i) {
    const double low = u[i];
    u[i] = sum - u[k - 1 - i];
    u[k - 1 - i] = sum - low;
  }
  if (k % 2) u[k / 2] = sum - u[k / 2];
}
