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

  vectorC2d& operator*=(T factor) {
    x *= factor;
    y *= factor;
    return *this;
  }

  T length() const { return std::sqrt(x * x + y * y); }

  // A zero vector has no direction to scale along and is left as it is.
  void setLength(T newLength) {
    const T current = length();
    if (current == T(0)) return;
    *this *= newLength / current;
  }
};
