// Where the divider cuts: in the gaps between the islands' extents, moved off end points.
#include <cmath>

#include "sketchdiv/RISketchDivider.h"
#include "sketchdiv/sketchShellSort.h"

namespace {

// Replaces two overlapping ranges by their union; at the end no two ranges overlap.
void mergeOverlappingRanges(sketchListT<RINumericRange>& ranges) {
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
  for (uint32_t k = coordinates.count(); k-- > 0;) {
    double c = coordinates[k];
    RISketchGeoLine cut = cutLine(b, c, axis);
    sketchPointList points;
    int count = 0;
    manager.crossings(cut, points, count);
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
    bool clean = true;
    for (uint32_t i = 0; i < manager.loops.count() && clean; ++i) {
      RISketchGeoLoop& loop = manager.loops[i];
      for (uint32_t n = 0; n < loop.lines.count() && clean; ++n) clean = clear(loop.lines[n]);
      for (uint32_t n = 0; n < loop.arcs.count() && clean; ++n) clean = clear(loop.arcs[n]);
    }
    if (clean) coordinates[k] = c;
    else coordinates.removeAt(k);
  }
}
