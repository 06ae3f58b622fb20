#include "draw2d/shapes/mBaseCircle2dC.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "core/propertyValuePut.h"
#include "draw2d/shapes/shapeSampling.h"

mBaseCircle2dC mBaseCircle2dC::createNew() { return mBaseCircle2dC(metaTreeC::newWithKeyword(classKey), 1); }

int mBaseCircle2dC::setRadius(double radius) {
  if (!node || !std::isfinite(radius)) return 0;
  putPropertyDouble(attributeNode("RAD"), radius);
  return 1;
}

double mBaseCircle2dC::getLength() {
  const double r = getRadius();
  return (r + r) * pi;
}

void mBaseCircle2dC::getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2,
                                        vectorC2d<double>& corner3, vectorC2d<double>& corner4) {
  const vectorC2d<double> c = getMiddlePoint();
  const double r = getRadius();
  corner1 = vectorC2d<double>(c.x - r, c.y + r);
  corner2 = vectorC2d<double>(c.x + r, c.y + r);
  corner3 = vectorC2d<double>(c.x + r, c.y - r);
  corner4 = vectorC2d<double>(c.x - r, c.y - r);
}

int mBaseCircle2dC::transform(const matrixC3x3<double>& matrix) {
  return transformNodePoint2d(centreNode(), matrix) ? 1 : 0;
}

int mBaseCircle2dC::appendPoints(point2dArrayC& points, double step) {
  points.elementCount = 0;
  const vectorC2d<double> c = getMiddlePoint();
  const double r = getRadius();
  sampleSpan(points, 0.0, twoPi, step,
             [&](double a) { return vectorC2d<double>(c.x + r * std::cos(a), c.y + r * std::sin(a)); });
  return int(points.elementCount);
}

int mBaseCircle2dC::scale(double factor) {
  metaTreeC* centre = centreNode();
  const double radius = getRadius() * factor;
  if (!nodeValuesScalable(centre, factor) || !std::isfinite(radius)) return 0;
  scaleNodeValues(centre, factor);
  setRadius(radius);
  return 1;
}
