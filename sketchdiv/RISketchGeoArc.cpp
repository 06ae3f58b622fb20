#include "sketchdiv/RISketchGeoArc.h"

#include <algorithm>
#include <cmath>

#include "geom/planeGeometry2d.h"
#include "sketchdiv/RISketchGeoLine.h"
#include "sketchdiv/geoObjectFunctions.h"
#include "sketchdiv/sketchPointList.h"

RISketchGeoArc::RISketchGeoArc(const vectorC2d<double>& centre, double radius, double startDegrees,
                               double endDegrees, uint8_t direction)
    : centre(centre),
      radius(radius),
      startAngle(startDegrees * radiansPerDegree),
      endAngle(endDegrees * radiansPerDegree),
      direction(direction) {
  updatePoints();
  fullCircle = std::fabs(endAngle - startAngle) >= fullTurnRadians ? 1 : 0;
}

RISketchGeoArc::RISketchGeoArc(const vectorC2d<double>& p1, const vectorC2d<double>& p2, const vectorC2d<double>& p3)
    : startPoint(p1), midPoint(p2), endPoint(p3) {
  const vectorC2d<double> m1 = p1 + (p2 - p1) / 2.0;
  const vectorC2d<double> m2 = p2 + (p3 - p2) / 2.0;
  intersectLines2d(m1, m1 + (p2 - p1).perpendicular(), m2, m2 + (p3 - p2).perpendicular(), centre);
  radius = (centre - p1).length();
  startAngle = angleOfPoint(p1) * radiansPerDegree;
  endAngle = angleOfPoint(p3) * radiansPerDegree;
}

void RISketchGeoArc::set(const vectorC2d<double>& newCentre, double newRadius, double startDegrees,
                         double endDegrees, uint8_t newDirection) {
  fullCircle = startDegrees == 0.0 && endDegrees == 360.0 ? 1 : 0;
  centre = newCentre;
  radius = newRadius;
  startAngle = startDegrees * radiansPerDegree;
  endAngle = endDegrees * radiansPerDegree;
  direction = newDirection;
  updatePoints();
  tolerance = 1e-6;
}

void RISketchGeoArc::updatePoints() {
  const double middle = (startAngle + endAngle) / 2.0;
  startPoint = centre + vectorC2d<double>(std::cos(startAngle), std::sin(startAngle)) * radius;
  midPoint = centre + vectorC2d<double>(std::cos(middle), std::sin(middle)) * radius;
  endPoint = centre + vectorC2d<double>(std::cos(endAngle), std::sin(endAngle)) * radius;
}

double RISketchGeoArc::angleOfPoint(const vectorC2d<double>& p) const {
  const vectorC2d<double> reference = centre + vectorC2d<double>(50.0, 0.0);
  return (reference - centre).angleTo(p - centre);
}

bool RISketchGeoArc::angleOnSweep(double a) const {
  if (a >= startAngle) {
    if (a <= endAngle) return true;
    a -= fullTurnRadians;
    return startAngle <= a && a <= endAngle;
  }
  if (a < startAngle) {
    a += fullTurnRadians;
    return startAngle <= a && a <= endAngle;
  }
  return false;
}

int RISketchGeoArc::intersectLine(const RISketchGeoLine& cut, vectorC2d<double>& p1, vectorC2d<double>& p2) const {
  if (intersectLineCircle(cut.start, cut.end, centre, radius, p1, p2) == 0) return 0;
  int count = 2;
  for (vectorC2d<double>* p : {&p1, &p2}) {
    if (angleOnSweep(angleOfPoint(*p) * radiansPerDegree)) continue;
    *p = vectorC2d<double>(noPointMarker, noPointMarker);
    --count;
  }
  return count;
}

bool RISketchGeoArc::containsPoint(const vectorC2d<double>& p) {
  fixEndOrder();
  const double distance = (p - centre).length();
  const double a = angleOfPoint(p) * radiansPerDegree;
  endAngle = raiseRadiansByTurns(endAngle, startAngle, false);
  if (!angleOnSweep(a)) return false;
  return std::fabs(distance - radius) <= tolerance;
}

bool RISketchGeoArc::fixEndOrder() {
  const vectorC2d<double> atStart = centre + vectorC2d<double>(std::cos(startAngle), std::sin(startAngle)) * radius;
  const vectorC2d<double> atEnd = centre + vectorC2d<double>(std::cos(endAngle), std::sin(endAngle)) * radius;
  if ((atEnd - startPoint).length() <= tolerance && (atStart - endPoint).length() <= tolerance) {
    swapPoints(startPoint, endPoint);
    return true;
  }
  return false;
}

double RISketchGeoArc::directAngle(const vectorC2d<double>& p) const {
  const vectorC2d<double> d = p - centre;
  const double length = d.length();
  if (length == 0.0) return 0.0;
  // Rounding must not carry the cosine past 1.
  const double cosine = std::clamp(d.x / length, -1.0, 1.0);
  double degrees = std::acos(cosine) * 180.0 / 3.141592653589793;
  if (d.y < 0.0) degrees = 360.0 - degrees;
  return degrees;
}

bool RISketchGeoArc::boundingCorners(vectorC2d<double>& k0, vectorC2d<double>& k1, vectorC2d<double>& k2,
                                     vectorC2d<double>& k3) {
  vectorC2d<double> corners[4];
  if (fullCircle) {
    corners[0] = centre + vectorC2d<double>(-radius, -radius);
    corners[1] = centre + vectorC2d<double>(radius, -radius);
    corners[2] = centre + vectorC2d<double>(radius, radius);
    corners[3] = centre + vectorC2d<double>(-radius, radius);
  } else {
    updatePoints();
    vectorC2d<double> lo(std::min(startPoint.x, endPoint.x), std::min(startPoint.y, endPoint.y));
    vectorC2d<double> hi(std::max(startPoint.x, endPoint.x), std::max(startPoint.y, endPoint.y));
    double aS = directAngle(startPoint);
    double aE = directAngle(endPoint);
    if (aS == aE) aE = 360.0;
    const double top = centre.y + radius;
    const double left = centre.x - radius;
    const double bottom = centre.y - radius;
    const double right = centre.x + radius;
    if (aS - aE > 0) {
      // Through +x: the axis points from the start angle up to a whole turn.
      if (aS < 90.0) hi.y = top;
      if (aS < 180.0) lo.x = left;
      if (aS < 270.0) lo.y = bottom;
      hi.x = right;
      aS = 0.0;
    }
    if (aS <= 90.0 && aE >= 90.0) hi.y = top;
    if (aS <= 180.0 && aE >= 180.0) lo.x = left;
    if (aS <= 270.0 && aE >= 270.0) lo.y = bottom;
    if (aS <= 360.0 && aE >= 360.0) hi.x = right;
    corners[0] = hi;
    corners[1] = vectorC2d<double>(lo.x, hi.y);
    corners[2] = lo;
    corners[3] = vectorC2d<double>(hi.x, lo.y);
  }
  double minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
  for (const vectorC2d<double>& c : corners) {
    minX = std::min(minX, c.x);
    maxX = std::max(maxX, c.x);
    minY = std::min(minY, c.y);
    maxY = std::max(maxY, c.y);
  }
  k0 = vectorC2d<double>(minX, minY);
  k1 = vectorC2d<double>(maxX, minY);
  k2 = vectorC2d<double>(maxX, maxY);
  k3 = vectorC2d<double>(minX, maxY);
  return true;
}

RISketchBoundingBox RISketchGeoArc::getBoundingBox() {
  vectorC2d<double> k0, k1, k2, k3;
  boundingCorners(k0, k1, k2, k3);
  return RISketchBoundingBox(k0.x, k0.y, k1.x, k2.y);
}

bool RISketchGeoArc::isCutClean(const RISketchGeoLine& cut) {
  vectorC2d<double> p1(noPointMarker, noPointMarker);
  vectorC2d<double> p2(noPointMarker, noPointMarker);
  const int n = intersectLine(cut, p1, p2);
  if (n != 1) return true;
  double d1, d2;
  if (cut.isVertical()) {
    d1 = startPoint.x - cut.start.x;
    d2 = endPoint.x - cut.start.x;
  } else {
    d1 = startPoint.y - cut.start.y;
    d2 = endPoint.y - cut.start.y;
  }
  snapValue(d1, 0.0, tolerance);
  snapValue(d2, 0.0, tolerance);
  const int s1 = signOf(d1);
  const int s2 = signOf(d2);
  return s1 != 0 && s2 != 0 && s1 != s2;
}

bool RISketchGeoArc::isEqual(const IRIBaseGeoObject* other) const {
  if (!other || !other->isArc()) return false;
  const auto* arc = static_cast<const RISketchGeoArc*>(other);
  const bool ends = (startsAt(arc->startPoint) && endsAt(arc->endPoint)) ||
                    (startsAt(arc->endPoint) && endsAt(arc->startPoint));
  return ends && pointsEqual(midPoint, arc->midPoint, tolerance) &&
         std::fabs(startAngle - arc->startAngle) <= 1e-8 && std::fabs(endAngle - arc->endAngle) <= 1e-8;
}

bool RISketchGeoArc::reverse() {
  swapPoints(startPoint, endPoint);
  std::swap(startAngle, endAngle);
  endAngle = raiseRadiansByTurns(endAngle, startAngle, false);
  return true;
}

void RISketchGeoArc::snapToZero() {
  for (double* value : {&startPoint.x, &startPoint.y, &midPoint.x, &midPoint.y, &endPoint.x, &endPoint.y})
    snapValue(*value, 0.0, tolerance);
}

RISketchGeoArc RISketchGeoArc::partOfCircle(double from, double to, double partTolerance) const {
  RISketchGeoArc part;
  part.centre = centre;
  part.radius = radius;
  part.startAngle = from;
  part.endAngle = to;
  part.updatePoints();
  part.tolerance = partTolerance;
  part.source = source;
  return part;
}

void RISketchGeoArc::splitAtPoint(const vectorC2d<double>& p, sketchListT<RISketchGeoArc>& out) const {
  if (startsAt(p) || endsAt(p)) out.append(*this);
  const double a1 = (startPoint - centre).angleTo(p - centre) * radiansPerDegree;
  const double a2 = (p - centre).angleTo(endPoint - centre) * radiansPerDegree;
  const RISketchGeoArc first = partOfCircle(startAngle, raiseRadiansByTurns(startAngle + a1, startAngle, false), tolerance);
  if (!(std::fabs(first.startAngle - first.endAngle) <= tolerance)) out.append(first);
  const RISketchGeoArc second =
      partOfCircle(first.endAngle, raiseRadiansByTurns(first.endAngle + a2, first.endAngle, false), tolerance);
  if (!(std::fabs(second.startAngle - second.endAngle) <= tolerance)) out.append(second);
}

void RISketchGeoArc::splitByCut(const RISketchGeoLine& cut, sketchListT<RISketchGeoArc>& out) const {
  vectorC2d<double> p1(noPointMarker, noPointMarker);
  vectorC2d<double> p2(noPointMarker, noPointMarker);
  const int n = intersectLine(cut, p1, p2);
  if (n == 0) {
    out.append(*this);
    return;
  }
  if (!fullCircle) {
    if (n == 1) {
      splitAtPoint(isPresentPoint(p1) ? p1 : p2, out);
      return;
    }
    sketchListT<RISketchGeoArc> scratch;
    splitAtPoint(p1, scratch);
    // Only the parts the first split made are tried against the second crossing, each once.
    const uint32_t made = std::min<uint32_t>(scratch.count(), 2);
    bool splitAgain[2] = {false, false};
    for (uint32_t i = 0; i < made; ++i) {
      scratch[i].tolerance = tolerance;
      if (scratch[i].containsPoint(p2)) {
        splitAgain[i] = true;
        const RISketchGeoArc entry = scratch[i];
        entry.splitAtPoint(p2, scratch);
      }
    }
    for (uint32_t i = 0; i < scratch.count(); ++i)
      if (i >= made || !splitAgain[i]) out.append(scratch[i]);
    return;
  }
  if (n < 2) {
    // A full circle the cut meets once only (non-finite data) stays whole rather than lost.
    out.append(*this);
    return;
  }
  const double a1 = angleOfPoint(p1) * radiansPerDegree;
  const double a2 = angleOfPoint(p2) * radiansPerDegree;
  out.append(partOfCircle(a1, raiseRadiansByTurns(a2, a1, true), 1e-6));
  out.append(partOfCircle(a2, raiseRadiansByTurns(a1, a2, true), 1e-6));
}
