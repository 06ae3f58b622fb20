// Where the divider cuts: in the gaps between the islands' extents, moved off end points.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "sketchdiv/RISketchDivider.h"
#include "sketchdiv/sketchShellSort.h"

namespace {

// Replaces two overlapping ranges by their union, pair by pair; at the end no two ranges overlap.
void mergeOverlappingPairs(sketchListT<RINumericRange>& ranges) {
  auto mergePair = [&ranges]() {
    RINumericRange both;
    if (!RINumericRange::unionWith(ranges[0], ranges[1], both)) return;
    ranges.setEmpty();
    ranges.append(both);
  };
  if (ranges.count() < 2) return;
  uint32_t unmerged = 0;
  while (true) {
    if (ranges.count() == 2) {
      mergePair();
      return;
    }
    const RINumericRange candidate = ranges[0];
    ranges.removeAt(0);
    const uint32_t rest = ranges.count();
    bool merged = false;
    for (uint32_t i = 0; i < rest && !merged; ++i) {
      RINumericRange both;
      if (!RINumericRange::unionWith(candidate, ranges[i], both)) continue;
      ranges[i] = both;
      merged = true;
    }
    if (merged) {
      unmerged = 0;
      continue;
    }
    ranges.append(candidate);
    if (++unmerged == rest) return;
  }
}

// Replaces every group of ranges that overlap one another, directly or through others, by its
// hull, in ascending order: what merging pair by pair leaves, in another order (the gaps do not
// depend on it). A bound that is not finite is left to the pairwise merge.
void mergeOverlappingRanges(sketchListT<RINumericRange>& ranges) {
  std::vector<RINumericRange> sorted;
  for (uint32_t i = 0; i < ranges.count(); ++i) {
    if (!std::isfinite(ranges[i].getMin()) || !std::isfinite(ranges[i].getMax())) {
      mergeOverlappingPairs(ranges);
      return;
    }
    sorted.push_back(ranges[i]);
  }
  std::sort(sorted.begin(), sorted.end(),
            [](const RINumericRange& a, const RINumericRange& b) { return a.getMin() < b.getMin(); });
  ranges.setEmpty();
  for (const RINumericRange& range : sorted) {
    RINumericRange both;
    if (ranges.count() > 0 && RINumericRange::unionWith(ranges[ranges.count() - 1], range, both))
      ranges[ranges.count() - 1] = both;
    else ranges.append(range);
  }
}

void removeEmptyRanges(sketchListT<RINumericRange>& ranges) {
  for (uint32_t i = ranges.count(); i-- > 0;)
    if (ranges[i].length() <= 1e-14) ranges.removeAt(i);
}

// The middles of the gaps between neighbouring extents, ascending.
void appendGapMiddles(const sketchListT<RINumericRange>& ranges, sketchListT<double>& out) {
  sketchListT<double> ends;
  for (uint32_t i = 0; i < ranges.count(); ++i) {
    ends.append(ranges[i].getMin());
    ends.append(ranges[i].getMax());
  }
  const uint32_t n = ends.count();
  sketchShellSort(ends, n, [](double a, double b) { return a < b; });
  for (uint32_t k = 1; k + 1 < n; k += 2) out.append((ends[k] + ends[k + 1]) / 2.0);
}

RISketchGeoLine cutLine(const RISketchBoundingBox& box, double c, uint8_t axis) {
  RISketchGeoLine line;
  if (axis == 1) line.setCoordinates(c, box.minY - 10.0, c, box.maxY + 10.0);
  else line.setCoordinates(box.minX - 10.0, c, box.maxX + 10.0, c);
  return line;
}

// The curves of a piece in visiting order (loop by loop, lines then arcs), each with the
// extent across the cuts of one axis outside which a cut neither crosses it nor is moved by it:
// a line's extent grown by its tolerance and by how far a point may lie off a cut and still be
// on it, an arc's whole circle. Extents are filed in equal slots, so that a cut asks only the
// curves near it; an extent over many slots, or one that is not a finite number, is asked by
// every cut.
class curvesAcrossCuts {
 public:
  curvesAcrossCuts(RISketchManager& manager, const RISketchBoundingBox& b, uint8_t axis) {
    const RISketchGeoLine probe = cutLine(b, 0.0, axis);
    const double length = axis == 1 ? (b.maxY + 10.0) - (b.minY - 10.0) : (b.maxX + 10.0) - (b.minX - 10.0);
    const double cutTolerance = std::fabs(probe.getTolerance());
    const double reach = 2.0 * std::sqrt(cutTolerance * (2.0 * std::fabs(length) + cutTolerance)) + cutTolerance;
    // Rounding in the tests, against the largest magnitude a moved cut can reach.
    const double scale = std::max({std::fabs(b.minX), std::fabs(b.maxX), std::fabs(b.minY), std::fabs(b.maxY)}) +
                         std::fabs(length) + 12.0 * std::fabs(b.maxX - b.minX) + 10.0;
    const double slack = 1e-7 * (scale + 1.0);
    for (uint32_t i = 0; i < manager.loops.count(); ++i) {
      RISketchGeoLoop& loop = manager.loops[i];
      for (uint32_t n = 0; n < loop.lines.count(); ++n) {
        RISketchGeoLine& line = loop.lines[n];
        const double a = axis == 1 ? line.start.x : line.start.y;
        const double z = axis == 1 ? line.end.x : line.end.y;
        const double grow = std::max(std::fabs(line.getTolerance()), reach) + slack;
        curves.push_back({&line, nullptr, std::min(a, z) - grow, std::max(a, z) + grow});
      }
      for (uint32_t n = 0; n < loop.arcs.count(); ++n) {
        RISketchGeoArc& arc = loop.arcs[n];
        const double centre = axis == 1 ? arc.centre.x : arc.centre.y;
        const double grow = std::fabs(arc.radius) + std::fabs(arc.getTolerance()) + slack;
        curves.push_back({nullptr, &arc, centre - grow, centre + grow});
      }
    }
    fileExtents();
  }

  uint32_t count() const { return uint32_t(curves.size()); }
  IRIBaseGeoObject& object(uint32_t i) const {
    return curves[i].line ? static_cast<IRIBaseGeoObject&>(*curves[i].line) : *curves[i].arc;
  }
  int crossings(uint32_t i, const RISketchGeoLine& cut, sketchPointList& points) const {
    return curves[i].line ? RISketchGeoLoop::lineCrossings(*curves[i].line, cut, points)
                          : RISketchGeoLoop::arcCrossings(*curves[i].arc, cut, points);
  }

  // Appends the curves from index from on whose extent holds c, ascending; every one of them
  // for a c that is not a finite number.
  void near(double c, uint32_t from, std::vector<uint32_t>& out) const {
    if (!std::isfinite(c)) {
      for (uint32_t i = from; i < count(); ++i) out.push_back(i);
      return;
    }
    const std::vector<uint32_t>& slot = slots[slotOf(c)];
    auto a = std::lower_bound(slot.begin(), slot.end(), from);
    auto w = std::lower_bound(wide.begin(), wide.end(), from);
    auto holds = [&](uint32_t i) { return curves[i].low <= c && c <= curves[i].high; };
    while (a != slot.end() || w != wide.end()) {
      const bool fromSlot = w == wide.end() || (a != slot.end() && *a < *w);
      const uint32_t i = fromSlot ? *a++ : *w++;
      if (holds(i)) out.push_back(i);
    }
  }

 private:
  struct curveS {
    RISketchGeoLine* line;
    RISketchGeoArc* arc;
    double low;
    double high;
  };
  static constexpr size_t mostSlotsPerCurve = 8;

  size_t slotOf(double v) const {
    const double k = std::floor((v - origin) / slotWidth);
    if (!(k > 0.0)) return 0;
    return k >= double(slots.size() - 1) ? slots.size() - 1 : size_t(k);
  }

  void fileExtents() {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const curveS& curve : curves) {
      if (!std::isfinite(curve.low) || !std::isfinite(curve.high)) continue;
      low = std::min(low, curve.low);
      high = std::max(high, curve.high);
    }
    origin = low;
    slotWidth = (high - low) / double(std::max<size_t>(curves.size(), 1));
    const bool sliced = std::isfinite(slotWidth) && slotWidth > 0.0;
    slots.assign(sliced ? std::max<size_t>(curves.size(), 1) : 1, {});
    if (!sliced) slotWidth = 1.0;
    for (uint32_t i = 0; i < count(); ++i) {
      const curveS& curve = curves[i];
      if (!std::isfinite(curve.low) || !std::isfinite(curve.high) || !(curve.low <= curve.high)) {
        wide.push_back(i);
        continue;
      }
      const size_t first = slotOf(curve.low);
      const size_t last = slotOf(curve.high);
      if (last - first >= mostSlotsPerCurve) {
        wide.push_back(i);
        continue;
      }
      for (size_t k = first; k <= last; ++k) slots[k].push_back(i);
    }
  }

  std::vector<curveS> curves;
  std::vector<std::vector<uint32_t>> slots;
  std::vector<uint32_t> wide;
  double origin = 0.0;
  double slotWidth = 1.0;
};

}  // namespace

void RISketchDivider::islandCuts() {
  const RISketchBoundingBox outerBox = outerLoop.getBoundingBox();
  for (uint32_t i = islands.count(); i-- > 0;)
    if (!islands[i].getBoundingBox().isInside(outerBox)) islands.removeAt(i);
  if (islands.count() == 0) return;
  sketchListT<RINumericRange> across;
  sketchListT<RINumericRange> upward;
  for (uint32_t i = 0; i < islands.count(); ++i) {
    const RISketchBoundingBox b = islands[i].getBoundingBox();
    across.append(RINumericRange(b.minX, b.maxX, 1));
    upward.append(RINumericRange(b.minY, b.maxY, 1));
  }
  mergeOverlappingRanges(across);
  mergeOverlappingRanges(upward);
  removeEmptyRanges(across);
  removeEmptyRanges(upward);
  appendGapMiddles(across, xCuts);
  appendGapMiddles(upward, yCuts);
}

void RISketchDivider::placeCuts(RISketchManager& manager, sketchListT<double>& coordinates, uint8_t axis) {
  const RISketchBoundingBox b = manager.getBoundingBox();
  const double step = std::fabs(b.maxX - b.minX) / 100.0;
  const curvesAcrossCuts curves(manager, b, axis);
  std::vector<uint32_t> near;
  std::vector<uint32_t> further;
  for (uint32_t k = coordinates.count(); k-- > 0;) {
    double c = coordinates[k];
    RISketchGeoLine cut = cutLine(b, c, axis);
    near.clear();
    curves.near(c, 0, near);
    sketchPointList points;
    int count = 0;
    for (const uint32_t i : near) count += curves.crossings(i, cut, points);
    if (count == 1) {
      coordinates.removeAt(k);
      continue;
    }
    uint32_t moves = 0;
    // A move that cannot change the coordinate (a step of 0, below its precision, or not
    // finite) or one move too many leaves it unclean.
    auto clear = [&](IRIBaseGeoObject& object) {
      while (!object.isCutClean(cut)) {
        const double moved = c - step;
        if (moves == maxCutMoves || moved == c || !std::isfinite(moved)) return false;
        c = moved;
        ++moves;
        cut = cutLine(b, c, axis);
      }
      return true;
    };
    // Curves away from the cut are clean; a moved cut asks again for the curves after this one.
    bool clean = true;
    for (size_t j = 0; j < near.size() && clean; ++j) {
      const double before = c;
      clean = clear(curves.object(near[j]));
      if (!clean || c == before) continue;
      further.clear();
      curves.near(c, near[j] + 1, further);
      near.resize(j + 1);
      near.insert(near.end(), further.begin(), further.end());
    }
    if (clean) coordinates[k] = c;
    else coordinates.removeAt(k);
  }
}
