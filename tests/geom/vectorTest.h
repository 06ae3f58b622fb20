// Comparisons of vector records for the math tests, within a tolerance for rounding.
#pragma once

#include <gtest/gtest.h>

#include "geom/vectorC2d.h"
#include "geom/vectorC3d.h"

inline constexpr double roundingTolerance = 1e-12;

inline void expectNear(const vectorC3d<double>& v, double x, double y, double z) {
  EXPECT_NEAR(v.x, x, roundingTolerance);
  EXPECT_NEAR(v.y, y, roundingTolerance);
  EXPECT_NEAR(v.z, z, roundingTolerance);
}

inline void expectNear(const vectorC2d<double>& v, double x, double y) {
  EXPECT_NEAR(v.x, x, roundingTolerance);
  EXPECT_NEAR(v.y, y, roundingTolerance);
}
