// A two-component vector: a 2D point or direction. A plain value record.
#pragma once

#include <cmath>

#include "geom/geomZeroConstants.h"
#include "geom/vectorC3d.h"

template <typename T>
class vectorC2d {
 public:
  T x;
  T y;

  vectorC2d() : x(T(geomZeroConstants.vector2d[0])), y(T(geomZeroConstants.vector2d[1])) {}
  // Zero-filled whatever the flag: a record left unset would carry stack contents into results.
  explicit vectorC2d([[maybe_unused]] bool initialise) : vectorC2d() {}
  vectorC2d(T x, T y) : x(x), y(y) {}
  // The first two components; the third is dropped, never divided out.
  explicit vectorC2d(const vectorC3d<T>& v) : x(v.x), y(v.y) {}

  vectorC2d operator-(const vectorC2d& other) const { return vectorC2d(x - other.x, y - other.y); }
  vectorC2d operator+(const vectorC2d& other) const { return vectorC2d(x + other.x, y + other.y); }
  vectorC2d operator*(T factor) const { return vectorC2d(x * factor, y * factor); }

  vectorC2d& operator*=(T factor) {
    x *= factor;
    y *= factor;
    return *this;
  }

  vectorC2d& operator+=(const vectorC2d& other) {
    x += other.x;
    y += other.y;
    return *this;
  }
  vectorC2d operator/(T divisor) const { return vectorC2d(x / divisor, y / divisor); }
  T dot(const vectorC2d& other) const { return x * other.x + y * other.y; }
  // Turned a right angle counter-clockwise.
  vectorC2d perpendicular() const { return vectorC2d(-y, x); }
  // Components strictly closer to 0 than tolerance become 0. NaN stays.
  void snapToZero(T tolerance) {
    if (std::fabs(x) < tolerance) x = T(0.0);
    if (std::fabs(y) < tolerance) y = T(0.0);
  }

  T length() const { return std::sqrt(x * x + y * y); }

  // A zero vector has no direction to scale along and is left as it is.
  void setLength(T newLength) {
    const T current = length();
    if (current == T(0)) return;
    *this *= newLength / current;
  }

  // Components closer to 0 than 1e-8 become 0, so that rounding noise does not tip a
  // direction across an axis. NaN stays.
  void snapTinyToZero() {
    if (std::fabs(x) < T(1e-8)) x = T(0.0);
    if (std::fabs(y) < T(1e-8)) y = T(0.0);
  }

  // The angle in degrees, in [0, 359.9999), through which this direction turns
  // counter-clockwise to reach other's. A zero or non-finite vector has no direction: 0.0.
  T angleTo(const vectorC2d& other) const {
    vectorC2d a = *this;
    vectorC2d b = other;
    if (!a.toDirection() || !b.toDirection()) return T(0.0);
    a.snapTinyToZero();
    b.snapTinyToZero();
    T dot = a.x * b.x + a.y * b.y;
    if (dot > T(1.0)) dot = T(1.0);
    if (dot < T(-1.0)) dot = T(-1.0);
    T angle = std::acos(dot);
    if (-a.y * b.x + a.x * b.y < T(0.0)) angle = T(6.283185307179586) - angle;
    T degrees = angle * T(180.0) / T(3.141592653589793);
    if (degrees >= T(359.9999)) degrees -= T(359.9999);
    return degrees;
  }

 private:
  // Scales to length 1; false, leaving the vector, when it has no direction. A vector whose
  // squared length leaves the double range is brought near length 1 first, so very small and
  // very large vectors keep their direction.
  bool toDirection() {
    if (!std::isfinite(x) || !std::isfinite(y) || (x == T(0.0) && y == T(0.0))) return false;
    const T current = length();
    if (current == T(0.0) || !std::isfinite(current)) {
      const T largest = std::fmax(std::fabs(x), std::fabs(y));
      x /= largest;
      y /= largest;
    }
    setLength(T(1.0));
    return true;
  }
};

template <typename T>
void swapPoints(vectorC2d<T>& a, vectorC2d<T>& b) {
  const vectorC2d<T> kept = a;
  a = b;
  b = kept;
}

inline bool isFinitePoint(const vectorC2d<double>& p) { return std::isfinite(p.x) && std::isfinite(p.y); }
