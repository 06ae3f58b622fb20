// Comparisons of vector records for the math tests, within a tolerance for rounding, and the
// matrices they start from.
#pragma once

#include <gtest/gtest.h>

#include "geom/matrixC4x4.h"
#include "geom/vectorC2d.h"
#include "geom/vectorC3d.h"

inline constexpr double roundingTolerance = 1e-12;

inline void expectNear(const vectorC3d<double>& v, double x, double y, double z) {
  EXPECT_NEAR(v.x, x, roundingTolerance);
  EXPECT_NEAR(v.y, y, roundingTolerance);
  EXPECT_NEAR(v.z, z, roundingTolerance);
}

inline void expectNear(const vectorC2d<double>& v, double x, double y, double tolerance = roundingTolerance) {
  EXPECT_NEAR(v.x, x, tolerance);
  EXPECT_NEAR(v.y, y, tolerance);
}

inline matrixC4x4<double> translation(double x, double y, double z) {
  matrixC4x4<double> m;
  m.ident();
  m.values[12] = x;
  m.values[13] = y;
  m.values[14] = z;
  return m;
}
