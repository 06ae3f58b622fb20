// A 3x3 matrix: nine entries column by column, the entry of row i and column j at i + 3j;
// columns X, Y, Z. It is the rotation block of a 4x4 and, for 2D work, a transformation of
// the plane: a point (x, y) is taken as the column (x, y, 1), so the Z column carries the
// 2D translation in its first two entries. A plain value record.
#pragma once

#include "geom/geomZeroConstants.h"
#include "geom/matrixArithmetic.h"
#include "geom/rotationXYZ.h"
#include "geom/vectorC2d.h"

template <typename T>
class matrixC3x3 {
 public:
  T values[9];

  matrixC3x3() { setZero(); }
  // Zero-filled whatever the flag: a record left unset would carry stack contents into results.
  explicit matrixC3x3([[maybe_unused]] bool initialise) { setZero(); }

  void ident() {
    setZero();
    values[0] = values[4] = values[8] = T(1.0);
  }

  // this·B: B acts first.
  matrixC3x3 operator*(const matrixC3x3& b) const {
    matrixC3x3 product;
    matrixMul3x3(values, b.values, product.values);
    return product;
  }

  // The third component of the product is dropped, never divided out.
  vectorC2d<T> transformPoint2d(const vectorC2d<T>& p) const {
    const T point[3] = {p.x, p.y, T(1.0)};
    T image[3];
    matrixMulVector3(values, point, image);
    return vectorC2d<T>(vectorC3d<T>(image[0], image[1], image[2]));
  }

  // Replaces the whole matrix by Rx(a)·Ry(b)·Rz(c), angles in degrees.
  void setRotationXYZ(T a, T b, T c) {
    ident();
    writeRotationXYZBlock(a, b, c, values, 3);
  }

  // The true inverse into result; false, and result untouched, for a singular matrix.
  bool inverse(matrixC3x3& result) const { return invertBlock3x3(values, 3, result.values, 3); }

 private:
  void setZero() {
    for (int n = 0; n < 9; ++n) values[n] = T(geomZeroConstants.matrix3x3[n]);
  }
};
