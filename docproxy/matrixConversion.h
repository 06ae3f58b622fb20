// Conversions between the matrix records, and from their axes.
#pragma once

#include "geom/matrixC3x3.h"
#include "geom/matrixC4x4.h"

// The upper-left 3x3 block of a 4x4 (its X, Y, Z axes); translation and fourth row are dropped.
template <typename T>
matrixC3x3<T> matrix4x4To3x3(const matrixC4x4<T>& m) {
  matrixC3x3<T> block;
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 3; ++row) block.values[row + 3 * column] = m.values[row + 4 * column];
  }
  return block;
}

// axis into the first three rows of the column-th column of a column-major matrix whose
// columns lie stride entries apart; the rows below stay.
template <typename T>
void putAxisColumn(T* values, int stride, int column, const vectorC3d<T>& axis) {
  values[stride * column] = axis.x;
  values[stride * column + 1] = axis.y;
  values[stride * column + 2] = axis.z;
}
