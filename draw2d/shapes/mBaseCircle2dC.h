// A full circle ("CIRCLE"): a "POINT" child, the centre, and a "RAD" child, the radius (0.0
// when it holds no number). It has no ends.
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseShape2dC.h"
#include "draw2d/shapes/mObjPoint2dC.h"

class mBaseCircle2dC : public mBaseShape2dC {
 public:
  static constexpr const char* classKey = "CIRCLE";

  using mBaseShape2dC::mBaseShape2dC;
  mBaseCircle2dC(const mBaseCircle2dC& other) = default;
  mBaseCircle2dC& operator=(const mBaseCircle2dC& other) = default;

  // A view owning a new unlinked "CIRCLE" node, for the caller to fill and link.
  static mBaseCircle2dC createNew();

  // The centre "POINT", appended empty when missing.
  metaTreeC* centreNode() { return findOrCreateChildByKeyword(mObjPoint2dC::classKey); }
  vectorC2d<double> getMiddlePoint() { return readNodePoint2d(centreNode()); }
  mObjPoint2dC getMiddlePointObj() { return mObjPoint2dC(centreNode(), 0); }
  double getRadius() { return getDoubleAttribute("RAD"); }
  // Writes RAD in front of whatever else it holds; a radius that is not finite is refused: 0.
  int setRadius(double radius);

  double getLength() override;
  void getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2, vectorC2d<double>& corner3,
                          vectorC2d<double>& corner4) override;
  // Moves the centre; the radius stays, also under a matrix that scales.
  int transform(const matrixC3x3<double>& matrix) override;
  // From angle 0 counter-clockwise, closed by the point at 2 pi.
  int appendPoints(point2dArrayC& points, double step) override;
  int scale(double factor) override;
};
