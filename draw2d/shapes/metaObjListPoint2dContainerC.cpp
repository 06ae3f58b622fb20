#include "draw2d/shapes/metaObjListPoint2dContainerC.h"

#include "core/pointNodeValues.h"

int metaObjListPoint2dContainerC::readEndPoints(int endIndex, vectorC2d<double>& start, vectorC2d<double>& end) {
  start = getPointAt(0);
  end = getPointAt(endIndex);
  return 1;
}

int metaObjListPoint2dContainerC::writeEndPoints(int endIndex, const vectorC2d<double>& start,
                                                 const vectorC2d<double>& end) {
  if (!isFinitePoint(start) || !isFinitePoint(end)) return 0;
  setPointAt(0, start);
  setPointAt(endIndex, end);
  return 1;
}

int metaObjListPoint2dContainerC::swapEndPoints(int endIndex) {
  const vectorC2d<double> start = getPointAt(0);
  const vectorC2d<double> end = getPointAt(endIndex);
  if (!isFinitePoint(start) || !isFinitePoint(end)) return 0;
  setPointAt(0, end);
  setPointAt(endIndex, start);
  return 1;
}

int metaObjListPoint2dContainerC::scalePoints(int count, double factor) {
  // Every point exists before any is looked at, whether the scale is taken or refused.
  for (int n = 0; n < count; ++n) pointNode(n);
  for (int n = 0; n < count; ++n)
    if (!nodeValuesScalable(pointNode(n), factor)) return 0;
  for (int n = 0; n < count; ++n) scaleNodeValues(pointNode(n), factor);
  return 1;
}
