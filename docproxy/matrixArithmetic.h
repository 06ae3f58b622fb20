// Products and transposition on matrices held as column-major arrays: the entry of row i and
// column j of a 4x4 is at i + 4j, of a 3x3 at i + 3j. A matrix maps a column vector v to M·v.
// Each routine computes into a scratch array first, so a destination that is also a source
// still receives the exact result.
#pragma once

template <typename T>
int matrixMul4x4(const T* a, const T* b, T* c) {
  T product[16];
  for (int j = 0; j < 4; ++j) {
    for (int i = 0; i < 4; ++i) {
      T sum = T(0.0);
      for (int k = 0; k < 4; ++k) sum += a[i + 4 * k] * b[k + 4 * j];
      product[i + 4 * j] = sum;
    }
  }
  for (int n = 0; n < 16; ++n) c[n] = product[n];
  return 1;
}

template <typename T>
int matrixMulVector4(const T* a, const T* v, T* r) {
  T product[4];
  for (int i = 0; i < 4; ++i) {
    T sum = T(0.0);
    for (int k = 0; k < 4; ++k) sum += a[i + 4 * k] * v[k];
    product[i] = sum;
  }
  for (int n = 0; n < 4; ++n) r[n] = product[n];
  return 1;
}

template <typename T>
int matrixMul3x3(const T* a, const T* b, T* c) {
  T product[9];
  for (int j = 0; j < 3; ++j) {
    for (int i = 0; i < 3; ++i) {
      T sum = T(0.0);
      for (int k = 0; k < 3; ++k) sum += a[i + 3 * k] * b[k + 3 * j];
      product[i + 3 * j] = sum;
    }
  }
  for (int n = 0; n < 9; ++n) c[n] = product[n];
  return 1;
}

template <typename T>
int matrixMulVector3(const T* a, const T* v, T* r) {
  T product[3];
  for (int i = 0; i < 3; ++i) {
    T sum = T(0.0);
    for (int k = 0; k < 3; ++k) sum += a[i + 3 * k] * v[k];
    product[i] = sum;
  }
  for (int n = 0; n < 3; ++n) r[n] = product[n];
  return 1;
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
