#include "draw2d/shapes/mBaseIntCrv2dC.h"

#include "core/metaTreeC.h"
#include "draw2d/shapes/pointListOperations.h"
#include "draw2d/shapes/shapeReduction.h"

mBaseIntCrv2dC& mBaseIntCrv2dC::operator=(const mBaseIntCrv2dC& other) {
  mBaseShape2dC::operator=(other);
  return *this;
}

mBaseIntCrv2dC mBaseIntCrv2dC::createNew() { return mBaseIntCrv2dC(metaTreeC::newWithKeyword(classKey), 1); }

int mBaseIntCrv2dC::reduceToPrimitives(double tolerance, mShapeList2dC& out) {
  if (!node) return 0;
  point2dArrayC points;
  pointListReadPoints2d(node, points);
  return reducePointsToPrimitives(points, tolerance, out);
}

int mBaseIntCrv2dC::transform(const matrixC3x3<double>& matrix) { return !node || pointListTransform2d(node, matrix) ? 1 : 0; }

int mBaseIntCrv2dC::appendPoints(point2dArrayC& points, double) {
  pointListReadPoints2d(node, points);
  return int(points.elementCount);
}

int mBaseIntCrv2dC::scale(double factor) { return !node || pointListScale2d(node, factor) ? 1 : 0; }

int mBaseIntCrv2dC::toIntCurve(double, double tolerance, mShapeList2dC& out) { return reduceToPrimitives(tolerance, out); }
