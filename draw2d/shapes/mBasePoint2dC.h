// A single point ("SPOINT"): one "POINT" child. Its path has no length and no ends.
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseShape2dC.h"
#include "core/pointNodeValues.h"

class mBasePoint2dC : public mBaseShape2dC {
 public:
  static constexpr const char* classKey = "SPOINT";

  using mBaseShape2dC::mBaseShape2dC;
  mBasePoint2dC(const mBasePoint2dC& other) = default;
  mBasePoint2dC& operator=(const mBasePoint2dC& other) = default;

  // The "POINT" child, appended empty when missing.
  metaTreeC* pointNode() { return findOrCreateChildByKeyword("POINT"); }
  vectorC2d<double> getPoint() { return readNodePoint2d(pointNode()); }

  double getLength() override { return 0.0; }
  void getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2, vectorC2d<double>& corner3,
                          vectorC2d<double>& corner4) override;
  int transform(const matrixC3x3<double>& matrix) override;
  int appendPoints(point2dArrayC& points, double step) override;
  int scale(double factor) override;
};
