// The "POINT" children of a node, in child order, as a keyed list: the point part of lines and
// arcs, whose n-th "POINT" is their n-th stored point.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "draw2d/shapes/mObjPoint2dC.h"

class metaObjListPoint2dContainerC : public metaObjKeyContainerTemplateC<mObjPoint2dC> {
 public:
  using metaObjKeyContainerTemplateC::metaObjKeyContainerTemplateC;
  metaObjListPoint2dContainerC(const metaObjListPoint2dContainerC& other) = default;
  metaObjListPoint2dContainerC& operator=(const metaObjListPoint2dContainerC& other) = default;

  // The n-th "POINT" child, appending empty ones until it exists; null without a node.
  metaTreeC* pointNode(int n) { return getOrCreateChildByKeywordNr(mObjPoint2dC::classKey, n); }
  // The n-th point, (0, 0) when it does not hold exactly two numbers; creates missing ones.
  vectorC2d<double> getPointAt(int n) { return readNodePoint2d(pointNode(n)); }
  bool setPointAt(int n, const vectorC2d<double>& p) { return isFinitePoint(p) && writeNodePoint2d(pointNode(n), p); }
  mObjPoint2dC getPointObjAt(int n) { return mObjPoint2dC(pointNode(n), 0); }

  // The end points of a shape whose start is the first point and whose end is point endIndex.
  int readEndPoints(int endIndex, vectorC2d<double>& start, vectorC2d<double>& end);
  // Both ends or neither: 0 when either is not finite.
  int writeEndPoints(int endIndex, const vectorC2d<double>& start, const vectorC2d<double>& end);
  // A stored value beyond the double range cannot be written back: both ends then stay, 0.
  int swapEndPoints(int endIndex);
  // The first count points scaled about the origin, all or none.
  int scalePoints(int count, double factor);
};
