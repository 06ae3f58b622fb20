// Products and transposition on matrices held as column-major arrays: the entry of row i and
// column j of a 4x4 is at i + 4j, of a 3x3 at i + 3j. A matrix maps a column vector v to M·v.
// Each routine computes into a scratch array first, so a destination that is also a source
// still receives the exact result.
#pragma once

#include <cmath>
#include <limits>

// The n x n product a·b into c and the image a·v into r.
template <int n, typename T>
int matrixMulSquare(const T* a, const T* b, T* c) {
  T product[n * n];
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < n; ++i) {
      T sum = T(0.0);
      for (int k = 0; k < n; ++k) sum += a[i + n * k] * b[k + n * j];
      product[i + n * j] = sum;
    }
  }
  for (int m = 0; m < n * n; ++m) c[m] = product[m];
  return 1;
}

template <int n, typename T>
int matrixMulVectorSquare(const T* a, const T* v, T* r) {
  T product[n];
  for (int i = 0; i < n; ++i) {
    T sum = T(0.0);
    for (int k = 0; k < n; ++k) sum += a[i + n * k] * v[k];
    product[i] = sum;
  }
  for (int m = 0; m < n; ++m) r[m] = product[m];
  return 1;
}

template <typename T>
int matrixMul4x4(const T* a, const T* b, T* c) {
  return matrixMulSquare<4>(a, b, c);
}

template <typename T>
int matrixMulVector4(const T* a, const T* v, T* r) {
  return matrixMulVectorSquare<4>(a, v, r);
}

template <typename T>
int matrixMul3x3(const T* a, const T* b, T* c) {
  return matrixMulSquare<3>(a, b, c);
}

template <typename T>
int matrixMulVector3(const T* a, const T* v, T* r) {
  return matrixMulVectorSquare<3>(a, v, r);
}

// Entry (r, c) of the result is entry (c, r) of the source; transposing in place is allowed.
template <typename T>
void transposeMatrix4x4(const T* source, T* result) {
  T transposed[16];
  for (int c = 0; c < 4; ++c) {
    for (int r = 0; r < 4; ++r) transposed[r + 4 * c] = source[c + 4 * r];
  }
  for (int n = 0; n < 16; ++n) result[n] = transposed[n];
}

// The inverse of a 3x3 block whose columns lie sourceStride entries apart, written into result
// with its columns resultStride entries apart (3 for a 3x3, 4 for the block of a 4x4); other
// entries stay untouched. The rows of the inverse are the cross products of the columns divided
// by the determinant. Whether the columns are independent is judged without regard to scale:
// the determinant against the product of the column lengths, so a tiny or a huge but
// well-shaped matrix inverts while one whose columns are dependent within rounding does not.
// A singular block, or one whose entries are too large to measure, gives false and leaves
// result untouched.
template <typename T>
bool invertBlock3x3(const T* source, int sourceStride, T* result, int resultStride) {
  const T* c0 = source;
  const T* c1 = source + sourceStride;
  const T* c2 = source + 2 * sourceStride;
  const T rows[3][3] = {
      {c1[1] * c2[2] - c1[2] * c2[1], c1[2] * c2[0] - c1[0] * c2[2], c1[0] * c2[1] - c1[1] * c2[0]},
      {c2[1] * c0[2] - c2[2] * c0[1], c2[2] * c0[0] - c2[0] * c0[2], c2[0] * c0[1] - c2[1] * c0[0]},
      {c0[1] * c1[2] - c0[2] * c1[1], c0[2] * c1[0] - c0[0] * c1[2], c0[0] * c1[1] - c0[1] * c1[0]},
  };
  const T determinant = c0[0] * rows[0][0] + c0[1] * rows[0][1] + c0[2] * rows[0][2];
  auto length = [](const T* c) { return std::sqrt(c[0] * c[0] + c[1] * c[1] + c[2] * c[2]); };
  const T scale = length(c0) * length(c1) * length(c2);
  const T negligible = T(16) * std::numeric_limits<T>::epsilon() * scale;
  if (!std::isfinite(scale) || !(std::fabs(determinant) > negligible)) return false;

  T inverse[9];
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      inverse[row + 3 * column] = rows[row][column] / determinant;
      if (!std::isfinite(inverse[row + 3 * column])) return false;
    }
  }
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 3; ++row) result[row + resultStride * column] = inverse[row + 3 * column];
  }
  return true;
}
