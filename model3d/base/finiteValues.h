// The 3D model stores no number that is not finite: factors and matrices given to a call are
// checked before anything changes.
#pragma once

#include <cmath>

#include "geom/matrixC4x4.h"

inline bool isFiniteMatrix(const matrixC4x4<double>& matrix) {
  for (double value : matrix.values)
    if (!std::isfinite(value)) return false;
  return true;
}
