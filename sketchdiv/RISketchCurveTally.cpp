#include "sketchdiv/RISketchCurveTally.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "sketchdiv/RISketchGeoArc.h"
#include "sketchdiv/RISketchGeoLine.h"
#include "sketchdiv/RISketchManager.h"

namespace {

constexpr double turn = 2.0 * std::numbers::pi;
// The relative rounding of a coordinate that a split computes.
constexpr double rounding = 1e-12;

bool isArc(const IRIBaseGeoObject& curve) { return curve.isArc(); }

// The counter-clockwise angle from a to b, in [0, turn).
double angleFromTo(double a, double b) {
  const double d = std::fmod(b - a, turn);
  return d < 0.0 ? d + turn : d;
}

double arcSweep(const RISketchGeoArc& arc) {
  if (arc.isFullCircle()) return turn;
  const vectorC2d<double>& c = arc.centre;
  auto angleOf = [&c](const vectorC2d<double>& p) { return std::atan2(p.y - c.y, p.x - c.x); };
  const double start = angleOf(arc.startPoint);
  const double toEnd = angleFromTo(start, angleOf(arc.endPoint));
  // The arc is the side of the circle its middle point lies on.
  return angleFromTo(start, angleOf(arc.midPoint)) <= toEnd ? toEnd : turn - toEnd;
}

double extentOf(const IRIBaseGeoObject& curve) {
  auto size = [](const vectorC2d<double>& p) { return std::max(std::fabs(p.x), std::fabs(p.y)); };
  if (isArc(curve)) {
    const auto& arc = static_cast<const RISketchGeoArc&>(curve);
    return size(arc.centre) + std::fabs(arc.radius);
  }
  return std::max(size(curve.getStartPoint()), size(curve.getEndPoint()));
}

// Where an equal curve may be: equal curves have ends within the tolerance of each other.
double twinKey(const IRIBaseGeoObject& curve) { return std::min(curve.getStartPoint().x, curve.getEndPoint().x); }

}  // namespace

double curveLength(const IRIBaseGeoObject& curve) {
  if (isArc(curve)) {
    const auto& arc = static_cast<const RISketchGeoArc&>(curve);
    return std::fabs(arc.radius) * arcSweep(arc);
  }
  const vectorC2d<double> d = curve.getEndPoint() - curve.getStartPoint();
  return std::hypot(d.x, d.y);
}

void RISketchCurveTally::add(const IRIBaseGeoObject& curve) {
  entryS& entry = entries[curve.getSource()];
  entry.length += curveLength(curve);
  entry.extent = std::max(entry.extent, extentOf(curve));
  ++entry.parts;
}

const RISketchCurveTally::entryS* RISketchCurveTally::find(int32_t identity) const {
  const auto found = entries.find(identity);
  return found == entries.end() ? nullptr : &found->second;
}

bool RISketchCurveTally::lengthsAgree(const entryS& expected, const entryS& held, double tolerance) {
  const uint32_t parts = expected.parts + held.parts + 1;
  const double scale = std::max(expected.extent, held.extent) + std::max(expected.length, held.length);
  const double allowed = 2.0 * std::fabs(tolerance) * parts + rounding * scale * parts;
  return std::fabs(expected.length - held.length) <= allowed;
}

bool RISketchCurveTally::matches(const RISketchCurveTally& other, double tolerance) const {
  const entryS none;
  for (const auto& [identity, entry] : entries) {
    const entryS* held = other.find(identity);
    if (!lengthsAgree(entry, held ? *held : none, tolerance)) return false;
  }
  for (const auto& [identity, entry] : other.entries)
    if (!find(identity) && !lengthsAgree(none, entry, tolerance)) return false;
  return true;
}

bool RISketchCurveTally::placesEvery(RISketchManager& inputs) const {
  std::vector<std::pair<double, const IRIBaseGeoObject*>> placed;
  std::vector<const IRIBaseGeoObject*> missed;
  auto sort = [&](const IRIBaseGeoObject& curve) {
    const entryS expected{curveLength(curve), extentOf(curve), 1};
    const entryS* held = find(curve.getSource());
    if (held && lengthsAgree(expected, *held, curve.getTolerance())) placed.emplace_back(twinKey(curve), &curve);
    else missed.push_back(&curve);
  };
  for (uint32_t i = 0; i < inputs.loopCount(); ++i) {
    RISketchGeoLoop& loop = *inputs.loopAt(i);
    for (uint32_t k = 0; k < loop.lineCount(); ++k) sort(*loop.lineAt(k));
    for (uint32_t k = 0; k < loop.arcCount(); ++k) sort(*loop.arcAt(k));
  }
  if (missed.empty()) return true;
  std::sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const IRIBaseGeoObject* curve : missed) {
    const double key = twinKey(*curve);
    const double reach = std::fabs(curve->getTolerance()) + rounding * std::fabs(key);
    auto at = std::lower_bound(placed.begin(), placed.end(), key - reach,
                               [](const auto& entry, double value) { return entry.first < value; });
    bool twin = false;
    for (; at != placed.end() && at->first <= key + reach && !twin; ++at) twin = curve->isEqual(at->second);
    if (!twin) return false;
  }
  return true;
}
