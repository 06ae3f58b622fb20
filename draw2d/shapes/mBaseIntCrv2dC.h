// An interpolated curve ("ICRV2D"): its children, in order, are its points, each read as two
// numbers ((0, 0) when a child holds no such point). Sampling gives those points whatever the
// step, and its conversion fits lines, arcs and circles to them.
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseIntCrvC.h"
#include "draw2d/shapes/mBaseShape2dC.h"

class mBaseIntCrv2dC : public mBaseShape2dC, public mBaseIntCrvC {
 public:
  static constexpr const char* classKey = "ICRV2D";

  using mBaseShape2dC::mBaseShape2dC;
  mBaseIntCrv2dC(const mBaseIntCrv2dC& other) = default;
  mBaseIntCrv2dC& operator=(const mBaseIntCrv2dC& other);

  // A view owning a new unlinked "ICRV2D" node, for the caller to fill and link.
  static mBaseIntCrv2dC createNew();

  // Fits lines, arcs and full circles to the curve's points within tolerance and appends them
  // at the end of out; returns how many.
  int reduceToPrimitives(double tolerance, mShapeList2dC& out);

  int transform(const matrixC3x3<double>& matrix) override;
  int appendPoints(point2dArrayC& points, double step) override;
  int scale(double factor) override;
  // The curve's own points are fitted; step is not used.
  int toIntCurve(double step, double tolerance, mShapeList2dC& out) override;
};
