// A three-component vector: a 3D point or direction. A plain value record.
#pragma once

#include <cmath>

#include "geom/geomZeroConstants.h"
#include "geom/vectorC4d.h"

template <typename T>
class vectorC3d {
 public:
  T x;
  T y;
  T z;

  vectorC3d()
      : x(T(geomZeroConstants.vector3d[0])),
        y(T(geomZeroConstants.vector3d[1])),
        z(T(geomZeroConstants.vector3d[2])) {}
  // Zero-filled whatever the flag: a record left unset would carry stack contents into results.
  explicit vectorC3d([[maybe_unused]] bool initialise) : vectorC3d() {}
  vectorC3d(T x, T y, T z) : x(x), y(y), z(z) {}
  // The first three components; the homogeneous coordinate is dropped, never divided out.
  explicit vectorC3d(const vectorC4d<T>& v) : x(v.x), y(v.y), z(v.z) {}

  vectorC3d cross(const vectorC3d& b) const {
    return vectorC3d(y * b.z - z * b.y, z * b.x - x * b.z, x * b.y - y * b.x);
  }

  // Copies the first min(n, 3) values into x, y, z in that order.
  void assign(const T* values, int n) {
    T* components[3] = {&x, &y, &z};
    for (int i = 0; i < n && i < 3; ++i) *components[i] = values[i];
  }

  T length() const { return std::sqrt(x * x + y * y + z * z); }

  // A zero vector has no direction to scale along and is left as it is.
  void setLength(T newLength) {
    const T current = length();
    if (current == T(0)) return;
    const T factor = newLength / current;
    x *= factor;
    y *= factor;
    z *= factor;
  }
};
