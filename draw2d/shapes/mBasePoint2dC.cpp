#include "draw2d/shapes/mBasePoint2dC.h"

#include "core/pointNodeValues.h"

void mBasePoint2dC::getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2,
                                       vectorC2d<double>& corner3, vectorC2d<double>& corner4) {
  corner1 = corner2 = corner3 = corner4 = getPoint();
}

int mBasePoint2dC::transform(const matrixC3x3<double>& matrix) { return transformNodePoint2d(pointNode(), matrix) ? 1 : 0; }

int mBasePoint2dC::appendPoints(point2dArrayC& points, double) {
  points.elementCount = 0;
  appendPoint(points, getPoint());
  return 1;
}

int mBasePoint2dC::scale(double factor) { return scaleNodeValues(pointNode(), factor) ? 1 : 0; }
