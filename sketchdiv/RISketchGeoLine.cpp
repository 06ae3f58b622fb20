#include "sketchdiv/RISketchGeoLine.h"

#include <cmath>

#include "geom/planeGeometry2d.h"
#include "sketchdiv/geoObjectFunctions.h"

void RISketchGeoLine::set(const vectorC2d<double>& newStart, const vectorC2d<double>& newEnd) {
  start = newStart;
  end = newEnd;
}

void RISketchGeoLine::setCoordinates(double x1, double y1, double x2, double y2) {
  set(vectorC2d<double>(x1, y1), vectorC2d<double>(x2, y2));
}

RISketchBoundingBox RISketchGeoLine::getBoundingBox() {
  RISketchBoundingBox box;
  getXRange(box.minX, box.maxX);
  getYRange(box.minY, box.maxY);
  return box;
}

bool RISketchGeoLine::isCutClean(const RISketchGeoLine& cut) {
  vectorC2d<double> p;
  if (intersectLines2d(start, end, cut.start, cut.end, p) == 0)
    return !cut.containsPoint(start) && !cut.containsPoint(end);
  return !startsAt(p) && !endsAt(p);
}

bool RISketchGeoLine::isEqual(const IRIBaseGeoObject* other) const {
  if (!other || other->isArc()) return false;
  const auto* line = static_cast<const RISketchGeoLine*>(other);
  return (startsAt(line->start) && endsAt(line->end)) || (startsAt(line->end) && endsAt(line->start));
}

bool RISketchGeoLine::reverse() {
  swapPoints(start, end);
  return true;
}

void RISketchGeoLine::snapToZero() {
  for (double* value : {&start.x, &start.y, &end.x, &end.y}) snapValue(*value, 0.0, tolerance);
}

void RISketchGeoLine::getXRange(double& min, double& max) const {
  min = start.x <= end.x ? start.x : end.x;
  max = start.x <= end.x ? end.x : start.x;
}

void RISketchGeoLine::getYRange(double& min, double& max) const {
  min = start.y <= end.y ? start.y : end.y;
  max = start.y <= end.y ? end.y : start.y;
}

bool RISketchGeoLine::isVertical() const { return std::fabs(start.x - end.x) <= 1e-6; }

bool RISketchGeoLine::isHorizontal() const { return std::fabs(start.y - end.y) <= 1e-6; }

bool RISketchGeoLine::containsPoint(const vectorC2d<double>& p) const {
  return std::fabs((p - start).length() + (p - end).length() - (start - end).length()) <= tolerance;
}

int RISketchGeoLine::intersect(const RISketchGeoLine& other, vectorC2d<double>& p) const {
  return int(intersectLines2d(start, end, other.start, other.end, p));
}

void RISketchGeoLine::splitAtPoint(const vectorC2d<double>& p, sketchListT<RISketchGeoLine>& out) const {
  if (!containsPoint(p) || endsAt(p) || startsAt(p)) {
    out.append(*this);
    return;
  }
  // The parts keep this line's tolerance and identity.
  RISketchGeoLine part = *this;
  part.set(start, p);
  out.append(part);
  part.set(p, end);
  out.append(part);
}

void RISketchGeoLine::splitByCut(const RISketchGeoLine& cut, sketchListT<RISketchGeoLine>& out) const {
  vectorC2d<double> p;
  if (intersect(cut, p) == 0 || (cut.containsPoint(start) && cut.containsPoint(end))) {
    out.append(*this);
    return;
  }
  splitAtPoint(p, out);
}

vectorC2d<double> RISketchGeoLine::midpoint() const {
  return vectorC2d<double>((start.x + end.x) / 2.0, (start.y + end.y) / 2.0);
}
