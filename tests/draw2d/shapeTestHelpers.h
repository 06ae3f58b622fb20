// Trees of 2D shapes built from text for the shape tests, and plane matrices.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/metaObjectC.h"
#include "geom/matrixC3x3.h"
#include "geom/vectorC2d.h"
#include "tests/geom/vectorTest.h"

namespace shapeTest {

// Owns the tree read from text; text() is the compact text of the root.
class treeC {
 public:
  explicit treeC(const char* text) : root(metaObjectC::readFromString(text, 1)) {}
  metaTreeC* node() const { return root.getNode(); }
  std::string text() const { return root.writeToStringValue(1, 0).c_str(); }

 private:
  metaObjectC root;
};

// The map (x, y) -> (a x + b y + tx, c x + d y + ty).
inline matrixC3x3<double> planeMatrix(double a, double b, double tx, double c, double d, double ty) {
  matrixC3x3<double> m;
  const double values[9] = {a, c, 0, b, d, 0, tx, ty, 1};
  for (int i = 0; i < 9; ++i) m.values[i] = values[i];
  return m;
}

inline void expectPoint(const vectorC2d<double>& p, double x, double y, double tolerance = roundingTolerance) {
  expectNear(p, x, y, tolerance);
}

}  // namespace shapeTest
