// A straight line segment ("LINE"): its first "POINT" child is the start, its second the end.
// Reading or writing point n first appends the missing "POINT" children (empty, reading as
// (0, 0)).
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseShape2dC.h"
#include "draw2d/shapes/metaObjListPoint2dContainerC.h"

class mBaseLine2dC : public mBaseShape2dC, public metaObjListPoint2dContainerC {
 public:
  static constexpr const char* classKey = "LINE";

  using mBaseShape2dC::mBaseShape2dC;
  mBaseLine2dC(const mBaseLine2dC& other) = default;
  mBaseLine2dC& operator=(const mBaseLine2dC& other);

  // A view owning a new unlinked "LINE" node, for the caller to fill and link.
  static mBaseLine2dC createNew();

  vectorC2d<double> getStartPoint() { return getPointAt(0); }
  vectorC2d<double> getEndPoint() { return getPointAt(1); }
  mObjPoint2dC getStartPointObj() { return getPointObjAt(0); }
  mObjPoint2dC getEndPointObj() { return getPointObjAt(1); }

  double getLength() override;
  void getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2, vectorC2d<double>& corner3,
                          vectorC2d<double>& corner4) override;
  int transform(const matrixC3x3<double>& matrix) override;
  int appendPoints(point2dArrayC& points, double step) override;
  int scale(double factor) override;
  int getEndPoints(vectorC2d<double>& start, vectorC2d<double>& end) override;
  int setEndPoints(const vectorC2d<double>& start, const vectorC2d<double>& end) override;
  int reverse() override;
};
