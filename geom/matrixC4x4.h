// The transformation of 3D space: sixteen entries column by column, the entry of row i and
// column j at i + 4j. Columns 0, 1, 2 are the X, Y and Z axes and column 3 the translation T
// (entries 12, 13, 14). A point p, taken as the column (x, y, z, 1), maps to M·p, so in a
// product A·B the transformation B acts first. A plain value record.
#pragma once

#include <cmath>
#include <utility>

#include "geom/degreesToRadians.h"
#include "geom/geomZeroConstants.h"
#include "geom/matrixArithmetic.h"
#include "geom/rotationXYZ.h"
#include "geom/vectorC2d.h"
#include "geom/vectorC3d.h"
#include "geom/vectorC4d.h"

template <typename T>
class matrixC4x4 {
 public:
  T values[16];

  matrixC4x4() { setZero(); }
  // Zero-filled whatever the flag: a record left unset would carry stack contents into results.
  explicit matrixC4x4([[maybe_unused]] bool initialise) { setZero(); }

  matrixC4x4 operator*(const matrixC4x4& b) const {
    matrixC4x4 product;
    matrixMul4x4(values, b.values, product.values);
    return product;
  }

  // The fourth component of the product is dropped, never divided out.
  vectorC3d<T> transformPoint(const vectorC3d<T>& p) const { return transformHomogeneous(p.x, p.y, p.z); }

  // The 2D point lies in the plane z = 0.
  vectorC3d<T> transformPoint2d(const vectorC2d<T>& p) const { return transformHomogeneous(p.x, p.y, T(0.0)); }

  void ident() {
    setZero();
    values[0] = values[5] = values[10] = values[15] = T(1.0);
  }

  // The upper-left 3x3 block transposed; translation and fourth row as they are.
  matrixC4x4 transposeRotation() const {
    matrixC4x4 result = *this;
    std::swap(result.values[1], result.values[4]);
    std::swap(result.values[2], result.values[8]);
    std::swap(result.values[6], result.values[9]);
    return result;
  }

  // [R | T] becomes [Rᵀ | −Rᵀ·T]. Only a rotation with translation is inverted by this; any
  // other matrix gets the same formula. The fourth row is kept as it is.
  matrixC4x4 inverseRigid() const {
    const vectorC3d<T> translation = getT();
    matrixC4x4 inverse = transposeRotation();
    inverse.values[12] = inverse.values[13] = inverse.values[14] = T(0.0);
    const vectorC3d<T> turned = inverse.transformPoint(translation);
    inverse.values[12] = -turned.x;
    inverse.values[13] = -turned.y;
    inverse.values[14] = -turned.z;
    return inverse;
  }

  // The true inverse of [A | T] with the fourth row taken as (0, 0, 0, 1), as every rotation
  // set-up leaves it: [A⁻¹ | −A⁻¹·T]. For a rigid matrix it equals inverseRigid. false, and
  // result untouched, when the block A is singular or the new translation overflows.
  bool inverseAffine(matrixC4x4& result) const {
    matrixC4x4 inverse;
    inverse.ident();
    if (!invertBlock3x3(values, 4, inverse.values, 4)) return false;
    const vectorC3d<T> moved = inverse.transformPoint(getT());
    inverse.values[12] = -moved.x;
    inverse.values[13] = -moved.y;
    inverse.values[14] = -moved.z;
    for (int n = 12; n < 15; ++n) {
      if (!std::isfinite(inverse.values[n])) return false;
    }
    result = inverse;
    return true;
  }

  // Replaces the whole matrix, translation included, by the rotation of angle degrees about
  // the axis (x, y, z) through the origin; a positive angle turns counter-clockwise seen from
  // the tip of the axis. An axis without direction (zero, or too large to measure) would fill
  // the matrix with NaN: it is refused instead, the matrix stays unchanged and false returns.
  bool setRotation(T x, T y, T z, T angle) {
    const T axisLength = std::sqrt(x * x + y * y + z * z);
    if (!(axisLength > T(0.0)) || !std::isfinite(axisLength)) return false;
    const T c = std::cos(degreesToRadians(angle));
    const T s = std::sin(degreesToRadians(angle));
    x /= axisLength;
    y /= axisLength;
    z /= axisLength;
    ident();
    values[0] = (T(1.0) - x * x) * c + x * x;
    values[5] = (T(1.0) - y * y) * c + y * y;
    values[10] = (T(1.0) - z * z) * c + z * z;
    values[1] = x * y * (T(1.0) - c) + z * s;
    values[4] = x * y * (T(1.0) - c) - z * s;
    values[2] = z * x * (T(1.0) - c) - y * s;
    values[8] = z * x * (T(1.0) - c) + y * s;
    values[6] = y * z * (T(1.0) - c) + x * s;
    values[9] = y * z * (T(1.0) - c) - x * s;
    return true;
  }

  // Replaces the whole matrix, translation included, by Rx(a)·Ry(b)·Rz(c), angles in degrees.
  void setRotationXYZ(T a, T b, T c) {
    ident();
    writeRotationXYZBlock(a, b, c, values, 4);
  }

  vectorC3d<T> getY() const { return vectorC3d<T>(values[4], values[5], values[6]); }
  vectorC3d<T> getZ() const { return vectorC3d<T>(values[8], values[9], values[10]); }
  vectorC3d<T> getT() const { return vectorC3d<T>(values[12], values[13], values[14]); }

 private:
  void setZero() {
    for (int n = 0; n < 16; ++n) values[n] = T(geomZeroConstants.matrix4x4[n]);
  }

  vectorC3d<T> transformHomogeneous(T x, T y, T z) const {
    const T point[4] = {x, y, z, T(1.0)};
    T image[4];
    matrixMulVector4(values, point, image);
    return vectorC3d<T>(vectorC4d<T>(image[0], image[1], image[2], image[3]));
  }
};
