// Knot refinement, splitting and degree elevation of NURBS curves, on homogeneous points.
#include <cmath>
#include <vector>

#include "model3d/nurbs/nurbCurveC.h"
#include "model3d/nurbs/nurbPointSearch.h"
#include "model3d/nurbs/nurbVectorOps.h"

namespace {

vectorC4d<double> blend(double alpha, const vectorC4d<double>& a, const vectorC4d<double>& b) {
  vectorC4d<double> result = nurbScaled4(a, alpha);
  nurbAddScaled4(result, b, 1.0 - alpha);
  return result;
}

}  // namespace

void nurbCurveC::refineKnots(const pageMemT<double, 3>& x) {
  if (!usable || x.elementCount == 0) return;
  // The knots the curve is defined over, which are the whole range when the curve is clamped.
  const double lo = knotVector.knots.data[knotVector.degree];
  const double hi = knotVector.knots.data[points.elementCount];
  for (uint32_t j = 0; j < x.elementCount; ++j)
    if (!(x[j] >= lo && x[j] <= hi) || (j > 0 && x[j] < x[j - 1])) return;
  const nurbCurveC old = *this;
  const double* u = old.knotVector.knots.data;
  const uint32_t p = knotVector.degree;
  const uint32_t n = old.points.elementCount - 1;
  const uint32_t m = n + p + 1;
  const uint32_t r = x.elementCount - 1;
  resize(n + r + 2, p);
  double* uNew = knotVector.knots.data;
  const uint32_t a = old.knotVector.findSpan(x[0]);
  const uint32_t b = old.knotVector.findSpan(x[r]) + 1;
  for (uint32_t j = 0; j <= a - p; ++j) points[j] = old.points[j];
  for (uint32_t j = b - 1; j <= n; ++j) points[j + r + 1] = old.points[j];
  for (uint32_t j = 0; j <= a; ++j) uNew[j] = u[j];
  for (uint32_t j = b + p; j <= m; ++j) uNew[j + r + 1] = u[j];
  uint32_t i = b + p - 1;
  uint32_t k = b + p + r;
  for (uint32_t j = r + 1; j-- > 0;) {
    while (x[j] <= u[i] && i > a) {
      points[k - p - 1] = old.points[i - p - 1];
      uNew[k] = u[i];
      --k;
      --i;
    }
    points[k - p - 1] = points[k - p];
    for (uint32_t l = 1; l <= p; ++l) {
      const uint32_t index = k - p + l;
      const double alpha = uNew[k + l] - x[j];
      const double span = uNew[k + l] - u[i - p + l];
      if (alpha == 0.0 || span == 0.0)
        points[index - 1] = points[index];
      else
        points[index - 1] = blend(alpha / span, points[index - 1], points[index]);
    }
    uNew[k] = x[j];
    --k;
  }
  checkData();
}

int nurbCurveC::split(double t, nurbCurveC& left, nurbCurveC& right) const {
  if (!usable || std::isnan(t)) return 0;
  const uint32_t p = knotVector.degree;
  const double* u = knotVector.knots.data;
  if (t <= u[p] || t >= u[points.elementCount]) return 0;
  const uint32_t k = knotVector.findSpan(t);
  uint32_t multiplicity = 0;
  // A parameter this close to a knot is cut at the knot itself, so the copies inserted join it.
  if (std::fabs(t - u[k]) < 1e-6) {
    t = u[k];
    multiplicity = knotVector.getMultiplicity(k);
  }
  nurbCurveC first = *this;
  if (p + 1 > multiplicity) {
    pageMemT<double, 3> inserted;
    for (uint32_t j = 0; j < p + 1 - multiplicity; ++j) *inserted.newElement() = t;
    first.refineKnots(inserted);
  }
  const uint32_t cut = first.knotVector.findSpan(t) - p;
  const uint32_t total = first.points.elementCount;
  nurbCurveC second;
  second.resize(total - cut, p);
  for (uint32_t j = 0; j < total - cut; ++j) second.points[j] = first.points[cut + j];
  const uint32_t knotsTotal = first.knotVector.knotCount();
  const uint32_t secondKnots = second.knotVector.knotCount();
  for (uint32_t j = 0; j < secondKnots; ++j)
    second.knotVector.knots.data[j] = first.knotVector.knots.data[knotsTotal - secondKnots + j];
  first.resize(cut, p);
  first.knotVector.periodic = 0;
  second.knotVector.periodic = 0;
  second.checkData();
  left = first;
  right = second;
  return 1;
}

void nurbCurveC::elevateDegree(int32_t elevations) {
  if (!usable || elevations <= 0 || knotVector.degree == 0 || !knotVector.isClamped()) return;
  const uint32_t p = knotVector.degree;
  const uint32_t t = uint32_t(elevations);
  if (uint64_t(p) + t > nurbMaxDegree) return;
  const uint32_t ph = p + t;
  const uint32_t ph2 = ph / 2;
  const uint32_t n = points.elementCount - 1;
  const uint32_t m = n + p + 1;
  const double* u = knotVector.knots.data;

  doubleMatrixC binomials(0, 0);
  fillBinomials(binomials, ph + 1);
  std::vector<double> bezalfs(size_t(ph + 1) * (p + 1), 0.0);
  auto alfs2 = [&](uint32_t i, uint32_t j) -> double& { return bezalfs[size_t(i) * (p + 1) + j]; };
  alfs2(0, 0) = alfs2(ph, p) = 1.0;
  for (uint32_t i = 1; i <= ph2; ++i) {
    const double inverse = 1.0 / binomials.at(ph, i);
    const uint32_t mpi = p < i ? p : i;
    for (uint32_t j = i > t ? i - t : 0; j <= mpi; ++j)
      alfs2(i, j) = inverse * binomials.at(p, j) * binomials.at(t, i - j);
  }
  for (uint32_t i = ph2 + 1; i + 1 <= ph; ++i) {
    const uint32_t mpi = p < i ? p : i;
    for (uint32_t j = i > t ? i - t : 0; j <= mpi; ++j) alfs2(i, j) = alfs2(ph - i, p - j);
  }

  // Each of at most n - p + 1 Bezier pieces adds t points; the knots follow the points.
  const size_t capacity = size_t(n + 1) * (t + 1) + ph + 1;
  std::vector<vectorC4d<double>> qw(capacity);
  std::vector<double> uh(capacity + ph + 1, 0.0);
  std::vector<vectorC4d<double>> bpts(p + 1), ebpts(ph + 1), nextbpts(p > 0 ? p : 1);
  std::vector<double> alfs(p > 0 ? p : 1);

  uint32_t mh = ph;
  uint32_t kind = ph + 1;
  int32_t r = -1;
  uint32_t a = p;
  uint32_t b = p + 1;
  uint32_t cind = 1;
  double ua = u[0];
  qw[0] = points[0];
  for (uint32_t i = 0; i <= ph; ++i) uh[i] = ua;
  for (uint32_t i = 0; i <= p; ++i) bpts[i] = points[i];
  while (b < m) {
    const uint32_t first = b;
    while (b < m && u[b] == u[b + 1]) ++b;
    const uint32_t mul = b - first + 1;
    mh += mul + t;
    const double ub = u[b];
    const int32_t oldr = r;
    r = int32_t(p) - int32_t(mul);
    const uint32_t lbz = oldr > 0 ? uint32_t(oldr + 2) / 2 : 1;
    const uint32_t rbz = r > 0 ? ph - uint32_t(r + 1) / 2 : ph;
    if (r > 0) {
      const double numer = ub - ua;
      for (uint32_t k = p; k > mul; --k) alfs[k - mul - 1] = nurbQuotientOrZero(numer, u[a + k] - ua);
      for (uint32_t j = 1; j <= uint32_t(r); ++j) {
        const uint32_t save = uint32_t(r) - j;
        const uint32_t s = mul + j;
        for (uint32_t k = p; k >= s; --k) bpts[k] = blend(alfs[k - s], bpts[k], bpts[k - 1]);
        nextbpts[save] = bpts[p];
      }
    }
    for (uint32_t i = lbz; i <= ph; ++i) {
      ebpts[i] = vectorC4d<double>();
      const uint32_t mpi = p < i ? p : i;
      for (uint32_t j = i > t ? i - t : 0; j <= mpi; ++j) nurbAddScaled4(ebpts[i], bpts[j], alfs2(i, j));
    }
    if (oldr > 1) {
      uint32_t firstRemoved = kind - 2;
      uint32_t lastRemoved = kind;
      const double den = ub - ua;
      const double bet = nurbQuotientOrZero(ub - uh[kind - 1], den);
      for (uint32_t tr = 1; tr < uint32_t(oldr); ++tr) {
        uint32_t i = firstRemoved;
        uint32_t j = lastRemoved;
        int64_t kj = int64_t(j) - kind + 1;
        while (j - i > tr) {
          if (i < cind) {
            const double alf = nurbQuotientOrZero(ub - uh[i], ua - uh[i]);
            qw[i] = blend(alf, qw[i], qw[i - 1]);
          }
          if (j >= lbz) {
            if (int64_t(j) - tr <= int64_t(kind) - ph + oldr) {
              const double gam = nurbQuotientOrZero(ub - uh[j - tr], den);
              ebpts[kj] = blend(gam, ebpts[kj], ebpts[kj + 1]);
            } else {
              ebpts[kj] = blend(bet, ebpts[kj], ebpts[kj + 1]);
            }
          }
          ++i;
          --j;
          --kj;
        }
        --firstRemoved;
        ++lastRemoved;
      }
    }
    if (a != p)
      for (uint32_t i = 0; int64_t(i) < int64_t(ph) - oldr; ++i) uh[kind++] = ua;
    for (uint32_t j = lbz; j <= rbz; ++j) qw[cind++] = ebpts[j];
    if (b < m) {
      for (uint32_t j = 0; int32_t(j) < r; ++j) bpts[j] = nextbpts[j];
      for (uint32_t j = r > 0 ? uint32_t(r) : 0; j <= p; ++j) bpts[j] = points[b - p + j];
      a = b;
      ++b;
      ua = ub;
    } else {
      for (uint32_t i = 0; i <= ph; ++i) uh[kind + i] = ub;
    }
  }
  const uint32_t count = mh - ph;
  pageMemT<vectorC4d<double>, 3> elevated;
  for (uint32_t i = 0; i < count; ++i) *elevated.newElement() = qw[i];
  setData(ph, knotVector.periodic, memManDataPoolC<double>(uh.data(), count + ph + 1), elevated);
}
