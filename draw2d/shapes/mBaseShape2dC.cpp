#include "draw2d/shapes/mBaseShape2dC.h"

#include "core/metaTreeC.h"
#include "draw2d/drawingRegistries.h"
#include "draw2d/shapes/mObjPoint2dC.h"
#include "draw2d/shapes/shapeDispatch.h"
#include "draw2d/shapes/shapeReduction.h"

double mBaseShape2dC::getLength() {
  return callPrototype(this, shape2dRegistry, 0.0, [](mBaseShape2dC& shape) { return shape.getLength(); });
}

void mBaseShape2dC::getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2,
                                       vectorC2d<double>& corner3, vectorC2d<double>& corner4) {
  callPrototype(this, shape2dRegistry, 0, [&](mBaseShape2dC& shape) {
    shape.getBoundingCorners(corner1, corner2, corner3, corner4);
    return 0;
  });
}

int mBaseShape2dC::transform(const matrixC3x3<double>& matrix) {
  return callPrototype(this, shape2dRegistry, 0, [&](mBaseShape2dC& shape) { return shape.transform(matrix); });
}

int mBaseShape2dC::appendPoints(point2dArrayC& points, double step) {
  return callPrototype(this, shape2dRegistry, 0, [&](mBaseShape2dC& shape) { return shape.appendPoints(points, step); });
}

int mBaseShape2dC::scale(double factor) {
  return callPrototype(this, shape2dRegistry, 1, [factor](mBaseShape2dC& shape) { return shape.scale(factor); });
}

int mBaseShape2dC::toIntCurve(double step, double tolerance, mShapeList2dC& out) {
  const shapeDispatchPairS pair = shapeDispatchLookup(node);
  if (pair.prototype && pair.prototype != this) {
    shapeDispatchLoanC loan(pair);
    return pair.prototype->toIntCurve(step, tolerance, out);
  }
  // This is the registered class (or none is): sample with the own points and fit those.
  point2dArrayC points;
  appendPoints(points, step);
  return reducePointsToPrimitives(points, tolerance, out);
}

int mBaseShape2dC::getEndPoints(vectorC2d<double>& start, vectorC2d<double>& end) {
  return callPrototype(this, shape2dRegistry, 0, [&](mBaseShape2dC& shape) { return shape.getEndPoints(start, end); });
}

int mBaseShape2dC::setEndPoints(const vectorC2d<double>& start, const vectorC2d<double>& end) {
  return callPrototype(this, shape2dRegistry, 0, [&](mBaseShape2dC& shape) { return shape.setEndPoints(start, end); });
}

int mBaseShape2dC::reverse() {
  return callPrototype(this, shape2dRegistry, 0, [](mBaseShape2dC& shape) { return shape.reverse(); });
}

metaTreeC* mBaseShape2dC::appendPoint2d(double x, double y) {
  const vectorC2d<double> p(x, y);
  if (!node || !isFinitePoint(p)) return nullptr;
  metaTreeC* point = metaTreeC::appendWordChild(node, mObjPoint2dC::classKey);
  writeNodePoint2d(point, p);
  return point;
}
