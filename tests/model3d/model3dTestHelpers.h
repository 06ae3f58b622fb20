// Matrices and frame checks shared by the 3D model tests.
#pragma once

#include <gtest/gtest.h>

#include "core/pointNodeValues.h"
#include "geom/matrixC4x4.h"
#include "tests/draw2d/shapeTestHelpers.h"

namespace model3dTest {

using shapeTest::treeC;

inline matrixC4x4<double> identity() {
  matrixC4x4<double> m;
  m.ident();
  return m;
}

// diag(-1, 1, 1, 1).
inline matrixC4x4<double> mirrorX() {
  matrixC4x4<double> m = identity();
  m.values[0] = -1.0;
  return m;
}

inline void expectVector(const vectorC3d<double>& v, double x, double y, double z) {
  EXPECT_DOUBLE_EQ(v.x, x);
  EXPECT_DOUBLE_EQ(v.y, y);
  EXPECT_DOUBLE_EQ(v.z, z);
}

// The frame stored under node's "MAT" has the axes X, Y, Z and the translation T.
inline void expectFrame(const metaTreeC* matrixNode, const double (&x)[3], const double (&y)[3], const double (&z)[3],
                        const double (&t)[3]) {
  uint32_t found = 0;
  const matrixC4x4<double> m = readNodeMatrix4x4(matrixNode, &found);
  ASSERT_EQ(found, 1u);
  const double* columns[4] = {x, y, z, t};
  for (int column = 0; column < 4; ++column)
    for (int row = 0; row < 3; ++row) EXPECT_DOUBLE_EQ(m.values[4 * column + row], columns[column][row]) << column << row;
}

}  // namespace model3dTest
