// The knot vector of one direction of a NURBS curve or surface: degree p, K non-decreasing knots
// and the periodic flag; n = K - p - 1 control points go with it. Every routine ends and stays
// inside its arrays whatever the knots hold: spans are searched a bounded number of steps and
// kept inside [p, n - 1].
#pragma once

#include <cstdint>

#include "memman/memManDataPoolC.h"

class nurbKnotVectorC {
 public:
  uint32_t periodic = 0;
  uint32_t degree = 0;
  memManDataPoolC<double> knots;

  nurbKnotVectorC() = default;
  nurbKnotVectorC(uint32_t degree, const memManDataPoolC<double>& knots, uint32_t periodic)
      : periodic(periodic), degree(degree), knots(knots) {}

  uint32_t knotCount() const { return knots.count(); }
  // K - p - 1, or 0 when there are too few knots.
  uint32_t controlPointCount() const;
  // K = n + p + 1 finite non-decreasing knots for n >= p + 1 points, degree at most 32.
  bool fitsPointCount(uint32_t pointCount) const;
  // Knots 0..p all equal and the last p + 1 all equal.
  bool isClamped() const;

  // NaN and -inf give the first knot, +inf the last. Periodic: wrapped into the range by a
  // floating remainder (a range of zero, or beyond the double range, gives the first knot);
  // otherwise clamped to it.
  double normalizeParam(double t) const;
  // normalizeParam, then clamped into [a, b].
  double clampParam(double t, double a, double b) const;
  // The span i with U[i] <= t < U[i + 1]; the last non-empty span at the end of the range.
  uint32_t findSpan(double t) const;
  // The p + 1 basis functions non-zero at t into n (room for 33), count = p + 1; zeros for a
  // span the knots cannot hold, nothing (count 0) past degree 32.
  void basisFuns(double t, uint32_t span, double* n, uint32_t& count) const;
  // N(i, q)(t); q below 1 means the vector's own degree. 0 where the knots hold no such function.
  double oneBasisFun(double t, uint32_t i, int degreeQ) const;
  // The basis functions and their derivatives up to order d into table (room for 33 x 33), held
  // by rows: rows = d + 1, columns = p + 1, row k multiplied by p!/(p-k)! (zero above p).
  // Nothing (rows 0) for an order or degree past 32.
  void dersBasisFuns(uint32_t order, double t, uint32_t span, double* table, uint32_t& rows, uint32_t& columns) const;
  // 1 plus the number of knots before U[i] equal to it, counting down no further than p + 1.
  uint32_t getMultiplicity(uint32_t i) const;
  // U'[i] = lo + hi - U[K - 1 - i]: the knots of the same curve run backwards.
  void mirror();
  // First and last knot; 0 and 0 without knots.
  void getParamRange(double& lo, double& hi) const;
};
