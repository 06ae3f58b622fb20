// The edge test that makes two pieces neighbours.
#include <cmath>

#include "sketchdiv/RINumericRange.h"
#include "sketchdiv/RISketchGeoLoop.h"

namespace {

constexpr double minimumOverlap = 0.001;

bool meetEndToEnd(const RISketchGeoLine& l, const RISketchGeoLine& m, double eps) {
  return pointsEqual(l.start, m.end, eps) || pointsEqual(l.end, m.start, eps) || pointsEqual(l.end, m.end, eps) ||
         pointsEqual(l.start, m.start, eps);
}

bool collinear(const RISketchGeoLine& l, const RISketchGeoLine& m) {
  const vectorC2d<double> reference(100.0, 0.0);
  const double difference = std::fabs(reference.angleTo(l.end - l.start) - reference.angleTo(m.end - m.start));
  const double tolerance = m.getTolerance();
  return std::fabs(difference) <= tolerance || std::fabs(difference - 180.0) <= tolerance ||
         std::fabs(difference - 360.0) <= tolerance;
}

// The length the two lines share along their axis; 0 when they do not overlap.
double axisOverlap(const RISketchGeoLine& l, const RISketchGeoLine& m) {
  const bool vertical = m.isVertical();
  const RINumericRange onM = vertical ? RINumericRange(m.start.y, m.end.y, 0) : RINumericRange(m.start.x, m.end.x, 0);
  const RINumericRange onL = vertical ? RINumericRange(l.start.y, l.end.y, 0) : RINumericRange(l.start.x, l.end.x, 0);
  RINumericRange common;
  if (!RINumericRange::intersection(onM, onL, common)) return 0.0;
  return common.length();
}

// Whether the lines lie too far apart for any of the edge tests to pass (never for lines
// holding a coordinate that is not a number).
bool farApart(const RISketchGeoLine& l, const RISketchGeoLine& m) {
  const double reach = std::fmax(RISketchGeoLoop::edgeReach(l), RISketchGeoLoop::edgeReach(m));
  double lMin, lMax, mMin, mMax;
  l.getXRange(lMin, lMax);
  m.getXRange(mMin, mMax);
  if (lMax + reach < mMin || mMax + reach < lMin) return true;
  l.getYRange(lMin, lMax);
  m.getYRange(mMin, mMax);
  return lMax + reach < mMin || mMax + reach < lMin;
}

}  // namespace

bool RISketchGeoLoop::sharesEdge(const RISketchGeoLine& line, double& overlap) const {
  const bool vertical = line.isVertical();
  if (!vertical && !line.isHorizontal()) return false;
  for (uint32_t i = 0; i < lines.count(); ++i) {
    const RISketchGeoLine& m = lines[i];
    if (!m.isVertical() && !m.isHorizontal()) continue;
    if (m.isVertical() != vertical || farApart(line, m)) continue;
    // The same two end points in either order, within m's tolerance.
    const bool equal = (m.startsAt(line.start) && m.endsAt(line.end)) || (m.startsAt(line.end) && m.endsAt(line.start));
    if (equal || (line.containsPoint(m.start) && line.containsPoint(m.end))) {
      overlap = (m.end - m.start).length();
      return true;
    }
    if (m.containsPoint(line.start) && m.containsPoint(line.end)) {
      overlap = (line.end - line.start).length();
      return true;
    }
    const bool touches = line.containsPoint(m.start) || line.containsPoint(m.end) || m.containsPoint(line.start) ||
                         m.containsPoint(line.end);
    if (!touches || meetEndToEnd(line, m, pointEps) || !collinear(line, m)) continue;
    const double shared = axisOverlap(line, m);
    if (shared > minimumOverlap) {
      overlap = shared;
      return true;
    }
  }
  return false;
}

double RISketchGeoLoop::edgeReach(const RISketchGeoLine& line) {
  const double tolerance = line.getTolerance();
  return 2.0 * (std::sqrt(tolerance * (line.end - line.start).length() / 2.0 + tolerance * tolerance) + tolerance);
}
