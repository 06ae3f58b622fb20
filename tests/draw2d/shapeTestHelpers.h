// Trees of 2D shapes built from text for the shape tests, and small matrices of the plane.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/metaObjectC.h"
#include "geom/matrixC3x3.h"
#include "geom/vectorC2d.h"

namespace shapeTest {

// Owns the tree read from text.
class treeC {
 public:
  explicit treeC(const char* text) : root(metaObjectC::readFromString(text, 1)) {}
  metaTreeC* node() const { return root.getNode(); }
  // The compact text of the root and its subtree.
  std::string text() const { return root.writeToStringValue(1, 0).c_str(); }

 private:
  metaObjectC root;
};

// The plane map (x, y) -> (a x + b y + tx, c x + d y + ty).
inline matrixC3x3<double> planeMatrix(double a, double b, double tx, double c, double d, double ty) {
  matrixC3x3<double> m;
  m.ident();
  m.values[0] = a;
  m.values[1] = c;
  m.values[3] = b;
  m.values[4] = d;
  m.values[6] = tx;
  m.values[7] = ty;
  return m;
}

inline void expectPoint(const vectorC2d<double>& p, double x, double y, double tolerance = 1e-12) {
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
}

}  // namespace shapeTest
