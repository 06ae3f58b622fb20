// A four-component vector: a point in homogeneous coordinates (w the weight) or one column
// of a 4x4 matrix. A plain value record.
#pragma once

#include "geom/geomZeroConstants.h"

template <typename T>
class vectorC4d {
 public:
  T x;
  T y;
  T z;
  T w;

  vectorC4d()
      : x(T(geomZeroConstants.vector4d[0])),
        y(T(geomZeroConstants.vector4d[1])),
        z(T(geomZeroConstants.vector4d[2])),
        w(T(geomZeroConstants.vector4d[3])) {}
  // Zero-filled whatever the flag: a record left unset would carry stack contents into results.
  explicit vectorC4d([[maybe_unused]] bool initialise) : vectorC4d() {}
  vectorC4d(T x, T y, T z, T w) : x(x), y(y), z(z), w(w) {}
};
