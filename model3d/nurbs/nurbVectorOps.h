// Plain arithmetic on 3D and homogeneous points for the NURBS evaluators: each operation returns
// a new value and leaves its operands as they are.
#pragma once

#include <cmath>
#include <cstdint>

#include "geom/vectorC3d.h"
#include "geom/vectorC4d.h"

// The largest degree and derivative order the evaluators' fixed tables hold.
constexpr uint32_t nurbMaxDegree = 32;
constexpr uint32_t nurbTableSide = nurbMaxDegree + 1;

inline vectorC3d<double> nurbDifference(const vectorC3d<double>& a, const vectorC3d<double>& b) {
  return vectorC3d<double>(a.x - b.x, a.y - b.y, a.z - b.z);
}

inline vectorC3d<double> nurbSum(const vectorC3d<double>& a, const vectorC3d<double>& b) {
  return vectorC3d<double>(a.x + b.x, a.y + b.y, a.z + b.z);
}

inline vectorC3d<double> nurbScaled(const vectorC3d<double>& a, double factor) {
  return vectorC3d<double>(a.x * factor, a.y * factor, a.z * factor);
}

inline double nurbDot(const vectorC3d<double>& a, const vectorC3d<double>& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline double nurbSquaredLength(const vectorC3d<double>& a) { return nurbDot(a, a); }

inline vectorC4d<double> nurbScaled4(const vectorC4d<double>& a, double factor) {
  return vectorC4d<double>(a.x * factor, a.y * factor, a.z * factor, a.w * factor);
}

inline void nurbAddScaled4(vectorC4d<double>& sum, const vectorC4d<double>& a, double factor) {
  sum.x += a.x * factor;
  sum.y += a.y * factor;
  sum.z += a.z * factor;
  sum.w += a.w * factor;
}

inline bool nurbIsFinite(const vectorC3d<double>& a) {
  return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}

inline bool nurbIsFinite4(const vectorC4d<double>& a) {
  return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z) && std::isfinite(a.w);
}

// A homogeneous point in 3D: a weight of exactly 0 or 1 leaves the coordinates undivided.
inline vectorC3d<double> toPoint3d(const vectorC4d<double>& p) {
  if (p.w == 0.0 || p.w == 1.0) return vectorC3d<double>(p.x, p.y, p.z);
  return vectorC3d<double>(p.x / p.w, p.y / p.w, p.z / p.w);
}

// The point (x, y, z) with weight w in homogeneous form.
inline vectorC4d<double> toHomogeneous(const vectorC3d<double>& p, double w) {
  return vectorC4d<double>(p.x * w, p.y * w, p.z * w, w);
}

// numerator / denominator, or 0 where the quotient would not be a finite number.
inline double nurbQuotientOrZero(double numerator, double denominator) {
  if (denominator == 0.0) return 0.0;
  const double quotient = numerator / denominator;
  return std::isfinite(quotient) ? quotient : 0.0;
}
