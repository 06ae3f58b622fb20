#include "draw2d/shapes/mBaseLine2dC.h"

#include <algorithm>
#include <cmath>

#include "core/metaTreeC.h"

mBaseLine2dC& mBaseLine2dC::operator=(const mBaseLine2dC& other) {
  metaObjListPoint2dContainerC::operator=(other);
  return *this;
}

mBaseLine2dC mBaseLine2dC::createNew() { return mBaseLine2dC(metaTreeC::newWithKeyword(classKey), 1); }

double mBaseLine2dC::getLength() {
  const vectorC2d<double> d = getEndPoint() - getStartPoint();
  return std::sqrt(d.x * d.x + d.y * d.y);
}

void mBaseLine2dC::getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2,
                                      vectorC2d<double>& corner3, vectorC2d<double>& corner4) {
  const vectorC2d<double> s = getStartPoint();
  const vectorC2d<double> e = getEndPoint();
  corner1 = vectorC2d<double>(std::min(s.x, e.x), std::min(s.y, e.y));
  corner3 = vectorC2d<double>(std::max(s.x, e.x), std::max(s.y, e.y));
  corner2 = vectorC2d<double>(corner3.x, corner1.y);
  corner4 = vectorC2d<double>(corner1.x, corner3.y);
}

int mBaseLine2dC::transform(const matrixC3x3<double>& matrix) {
  const vectorC2d<double> s = matrix.transformPoint2d(getStartPoint());
  const vectorC2d<double> e = matrix.transformPoint2d(getEndPoint());
  if (!isFinitePoint(s) || !isFinitePoint(e)) return 0;
  setPointAt(0, s);
  setPointAt(1, e);
  return 1;
}

int mBaseLine2dC::appendPoints(point2dArrayC& points, double) {
  points.elementCount = 0;
  appendPoint(points, getStartPoint());
  appendPoint(points, getEndPoint());
  return 2;
}

int mBaseLine2dC::scale(double factor) { return scalePoints(2, factor); }

int mBaseLine2dC::getEndPoints(vectorC2d<double>& start, vectorC2d<double>& end) { return readEndPoints(1, start, end); }

int mBaseLine2dC::setEndPoints(const vectorC2d<double>& start, const vectorC2d<double>& end) {
  return writeEndPoints(1, start, end);
}

int mBaseLine2dC::reverse() { return swapEndPoints(1); }
