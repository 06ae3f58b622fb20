// The rotation from three angles in degrees shared by the 3x3 and the 4x4 matrix:
// Rx(a)·Ry(b)·Rz(c), so a point turns about the fixed Z axis first, then Y, then X.
#pragma once

#include <cmath>

#include "geom/degreesToRadians.h"

// Writes the nine entries of the rotation block into a column-major matrix whose columns
// are columnStride entries apart (3 for a 3x3, 4 for a 4x4); other entries stay untouched.
template <typename T>
void writeRotationXYZBlock(T a, T b, T c, T* entries, int columnStride) {
  const T ca = std::cos(degreesToRadians(a)), sa = std::sin(degreesToRadians(a));
  const T cb = std::cos(degreesToRadians(b)), sb = std::sin(degreesToRadians(b));
  const T cc = std::cos(degreesToRadians(c)), sc = std::sin(degreesToRadians(c));
  T* column0 = entries;
  T* column1 = entries + columnStride;
  T* column2 = entries + 2 * columnStride;
  column0[0] = cc * cb;
  column0[1] = cc * sb * sa + sc * ca;
  column0[2] = sc * sa - cc * sb * ca;
  column1[0] = -sc * cb;
  column1[1] = cc * ca - sc * sb * sa;
  column1[2] = sc * sb * ca + cc * sa;
  column2[0] = sb;
  column2[1] = -cb * sa;
  column2[2] = cb * ca;
}
