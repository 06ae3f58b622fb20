#include "geom/matrixArithmetic.h"

#include <gtest/gtest.h>

TEST(MatrixArithmetic, ColumnMajorProducts) {
  double a[16], b[16], c[16];
  for (int n = 0; n < 16; ++n) {
    a[n] = n + 1;
    b[n] = (n * 7) % 5 - 2;
  }
  EXPECT_EQ(matrixMul4x4(a, b, c), 1);
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      double expected = 0.0;
      for (int k = 0; k < 4; ++k) expected += a[i + 4 * k] * b[k + 4 * j];
      EXPECT_EQ(c[i + 4 * j], expected);
    }
  }
  // Row 1 of a is (2, 6, 10, 14).
  const double v[4] = {1, 0, 0, 1};
  double r[4];
  EXPECT_EQ(matrixMulVector4(a, v, r), 1);
  EXPECT_EQ(r[1], 16.0);

  const double m3[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  const double v3[3] = {1, 1, 0};
  double r3[3];
  EXPECT_EQ(matrixMulVector3(m3, v3, r3), 1);
  EXPECT_EQ(r3[0], 5.0);
  EXPECT_EQ(r3[2], 9.0);
  double square[9];
  EXPECT_EQ(matrixMul3x3(m3, m3, square), 1);
  EXPECT_EQ(square[0], 1 * 1 + 4 * 2 + 7 * 3);
  EXPECT_EQ(square[3 + 2], 3 * 4 + 6 * 5 + 9 * 6);
}

TEST(MatrixArithmetic, DestinationMayBeASource) {
  double a[16], expected[16];
  for (int n = 0; n < 16; ++n) a[n] = n - 3.5;
  matrixMul4x4(a, a, expected);
  matrixMul4x4(a, a, a);
  for (int n = 0; n < 16; ++n) EXPECT_EQ(a[n], expected[n]);

  double m[16], t[16];
  for (int n = 0; n < 16; ++n) m[n] = n;
  transposeMatrix4x4(m, t);
  EXPECT_EQ(t[1], 4.0);
  EXPECT_EQ(t[4], 1.0);
  EXPECT_EQ(t[14], 11.0);
  transposeMatrix4x4(m, m);
  for (int n = 0; n < 16; ++n) EXPECT_EQ(m[n], t[n]);
}
