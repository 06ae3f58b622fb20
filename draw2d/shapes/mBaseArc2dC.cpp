#include "draw2d/shapes/mBaseArc2dC.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/metaTreeC.h"
#include "geom/angleTurns.h"
#include "geom/planeGeometry2d.h"
#include "draw2d/shapes/shapeSampling.h"
#include "geom/lineGeometry2d.h"

namespace {

double dot(const vectorC2d<double>& a, const vectorC2d<double>& b) { return a.x * b.x + a.y * b.y; }

double angleOf(const vectorC2d<double>& p, const vectorC2d<double>& centre) {
  return vectorC2d<double>(1.0, 0.0).angleTo(p - centre);
}

}  // namespace

mBaseArc2dC& mBaseArc2dC::operator=(const mBaseArc2dC& other) {
  metaObjListPoint2dContainerC::operator=(other);
  return *this;
}

mBaseArc2dC mBaseArc2dC::createNew() { return mBaseArc2dC(metaTreeC::newWithKeyword(classKey), 1); }

vectorC2d<double> mBaseArc2dC::getMiddlePoint() {
  vectorC2d<double> centre(0.0, 0.0);
  circleCentreFrom3Points(getStartPoint(), getCenterPoint(), getEndPoint(), centre);
  return centre;
}

double mBaseArc2dC::getRadius() { return (getStartPoint() - getMiddlePoint()).length(); }

double mBaseArc2dC::getStartAngle() { return angleOf(getStartPoint(), getMiddlePoint()); }

double mBaseArc2dC::getEndAngle() { return angleOf(getEndPoint(), getMiddlePoint()); }

void mBaseArc2dC::getAngles(double& start, double& end) {
  start = getStartAngle();
  end = getEndAngle();
}

int mBaseArc2dC::isClockwise() {
  const vectorC2d<double> centre = getMiddlePoint();
  const double a1 = angleOf(getStartPoint(), centre);
  const double a2 = angleOf(getCenterPoint(), centre);
  const double a3 = angleOf(getEndPoint(), centre);
  const bool counterClockwise = (a1 < a2 && a2 < a3) || (a2 < a3 && a3 < a1) || (a3 < a1 && a1 < a2);
  return counterClockwise ? 0 : 1;
}

void mBaseArc2dC::getAnglesAscending(double& start, double& end) {
  getAngles(start, end);
  if (isClockwise()) std::swap(start, end);
  end = raiseDegreesByTurns(end, start, true);
}

double mBaseArc2dC::getSweepAngle() {
  double start;
  double end;
  getAngles(start, end);
  if (isClockwise()) std::swap(start, end);
  return raiseDegreesByTurns(end, start, false) - start;
}

double mBaseArc2dC::getLength() { return getSweepAngle() * getRadius() / 180.0 * pi; }

void mBaseArc2dC::getBoundingCorners(vectorC2d<double>& corner1, vectorC2d<double>& corner2,
                                     vectorC2d<double>& corner3, vectorC2d<double>& corner4) {
  const vectorC2d<double> centre = getMiddlePoint();
  const double radius = getRadius();
  vectorC2d<double> s = getStartPoint();
  vectorC2d<double> e = getEndPoint();
  if (!((e - s).length() > 0.0)) {
    // No chord to align with: the circle's box, held open for the three points.
    const vectorC2d<double> m = getCenterPoint();
    const double left = std::min({centre.x - radius, s.x, m.x, e.x});
    const double right = std::max({centre.x + radius, s.x, m.x, e.x});
    const double bottom = std::min({centre.y - radius, s.y, m.y, e.y});
    const double top = std::max({centre.y + radius, s.y, m.y, e.y});
    corner1 = vectorC2d<double>(left, top);
    corner2 = vectorC2d<double>(right, top);
    corner3 = vectorC2d<double>(right, bottom);
    corner4 = vectorC2d<double>(left, bottom);
    return;
  }
  // The point halfway along the arc tells on which side of the chord the arc lies and whether
  // it passes the half circle; the stored intermediate point may lie anywhere on the arc (next
  // to the start in arcs fitted to samples), so it cannot tell either.
  double from;
  double to;
  getAnglesAscending(from, to);
  const double halfway = (from + getSweepAngle() / 2.0) / 180.0 * pi;
  const vectorC2d<double> m(centre.x + radius * std::cos(halfway), centre.y + radius * std::sin(halfway));
  const vectorC2d<double> chord = e - s;
  // Afterwards the arc bulges to the left of s -> e.
  if (dot(vectorC2d<double>(-chord.y, chord.x), m - centre) < 0.0) std::swap(s, e);
  vectorC2d<double> u = e - s;
  u.setLength(1.0);
  const vectorC2d<double> n(-u.y, u.x);
  if (dot(s - centre, m - centre) >= 0.0) {
    const double h = (e - s).length() / 2.0;
    corner1 = centre + u * h + n * radius;
    corner2 = centre - u * h + n * radius;
    corner3 = s;
    corner4 = e;
    return;
  }
  const double t = pointLineDistance2d(centre, s, e);
  corner1 = centre + u * radius + n * radius;
  corner2 = centre - u * radius + n * radius;
  corner3 = centre - u * radius - n * t;
  corner4 = centre + u * radius - n * t;
}

int mBaseArc2dC::transform(const matrixC3x3<double>& matrix) {
  vectorC2d<double> images[3];
  for (int i = 0; i < 3; ++i) {
    images[i] = matrix.transformPoint2d(getPointAt(i));
    if (!isFinitePoint(images[i])) return 0;
  }
  for (int i = 0; i < 3; ++i) setPointAt(i, images[i]);
  return 1;
}

int mBaseArc2dC::appendPoints(point2dArrayC& points, double step) {
  points.elementCount = 0;
  const vectorC2d<double> centre = getMiddlePoint();
  double start = getStartAngle() / 180.0 * pi;
  double end = getEndAngle() / 180.0 * pi;
  const double radius = getRadius();
  if (isClockwise()) std::swap(start, end);
  if (end < start) end += twoPi;
  sampleSpan(points, start, end, step, [&](double a) {
    return vectorC2d<double>(centre.x + radius * std::cos(a), centre.y + radius * std::sin(a));
  });
  return int(points.elementCount);
}

int mBaseArc2dC::scale(double factor) { return scalePoints(3, factor); }

int mBaseArc2dC::getEndPoints(vectorC2d<double>& start, vectorC2d<double>& end) { return readEndPoints(2, start, end); }

int mBaseArc2dC::setEndPoints(const vectorC2d<double>& start, const vectorC2d<double>& end) {
  return writeEndPoints(2, start, end);
}

int mBaseArc2dC::reverse() { return swapEndPoints(2); }
