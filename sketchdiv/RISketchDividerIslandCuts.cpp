// The first pieces of a division: along the island cuts, rebuilt by chains, sorted by size,
// with single loops absorbed by the pieces around them.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "sketchdiv/RISketchDivider.h"
#include "sketchdiv/sketchShellSort.h"

namespace {

// The index whose element brackets m, by bisection over [0, count).
uint32_t bisect(const sketchListT<double>& list, double m) {
  uint32_t low = 0;
  uint32_t high = list.count();
  while (high - low > 1) {
    const uint32_t j = (low + high) / 2;
    if (m < list[j]) high = j;
    else if (m > list[j]) low = j;
    else break;  // equal, or not a number
  }
  return (low + high) / 2;
}

// The coordinate nearest the middle of [lo, hi] first; the rest is ordered the same way in
// the lower half [lo, m], the upper half receiving nothing, so the recursion is a loop.
void orderCentreFirst(sketchListT<double>& list, double lo, double hi) {
  sketchListT<double> ordered;
  while (list.count() > 0) {
    const double m = (lo + hi) / 2.0;
    const uint32_t i = bisect(list, m);
    ordered.append(list[i]);
    list.removeAt(i);
    hi = m;
  }
  list = ordered;
}

// Removes the piece at index, moving the later ones down without copying them.
void removePiece(sketchListT<RISketchManager>& list, uint32_t index) {
  const uint32_t n = list.count();
  if (index >= n) return;
  for (uint32_t k = index + 1; k < n; ++k) list[k - 1].swapWith(list[k]);
  list.shrinkBy(1);
}

RISketchGeoLine verticalCut(double x, const RISketchBoundingBox& box) {
  RISketchGeoLine line;
  line.setCoordinates(x, box.minY - 10.0, x, box.maxY + 10.0);
  return line;
}

RISketchGeoLine horizontalCut(double y, const RISketchBoundingBox& box) {
  RISketchGeoLine line;
  line.setCoordinates(box.minX - 10.0, y, box.maxX + 10.0, y);
  return line;
}

// Where along x a vertical cut can cross the curves of a piece: the lines' extents and the
// arcs' whole circles, grown by more than the rounding of the crossing tests.
struct xExtentS {
  double low = 0.0;
  double high = 0.0;
  bool finite = false;
  bool known = false;
};

xExtentS xExtentOf(const RISketchManager& piece) {
  xExtentS extent;
  extent.known = true;
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (uint32_t i = 0; i < piece.loops.count(); ++i) {
    const RISketchGeoLoop& loop = piece.loops[i];
    for (uint32_t k = 0; k < loop.lines.count(); ++k)
      for (const double x : {loop.lines[k].start.x, loop.lines[k].end.x}) {
        low = std::min(low, x);
        high = std::max(high, x);
      }
    for (uint32_t k = 0; k < loop.arcs.count(); ++k) {
      low = std::min(low, loop.arcs[k].centre.x - std::fabs(loop.arcs[k].radius));
      high = std::max(high, loop.arcs[k].centre.x + std::fabs(loop.arcs[k].radius));
    }
  }
  const double slack = 1e-7 * (std::max(std::fabs(low), std::fabs(high)) + 1.0);
  extent.low = low - slack;
  extent.high = high + slack;
  extent.finite = std::isfinite(extent.low) && std::isfinite(extent.high) && extent.low <= extent.high;
  return extent;
}

}  // namespace

void RISketchDivider::buildPieces() {
  pieces.clear();
  const sketchListT<double> keptX = xCuts;
  const sketchListT<double> keptY = yCuts;
  const RISketchBoundingBox first = objects.loops[0].getBoundingBox();
  orderCentreFirst(xCuts, first.minX, first.maxX);
  orderCentreFirst(yCuts, first.minY, first.maxY);
  pieces.append(objects);
  const RISketchBoundingBox outerBox = outerLoop.getBoundingBox();
  cutVertically(outerBox);
  if (!bounded) cutHorizontally(outerBox);
  if (!bounded) rebuildByChains();
  xCuts = keptX;
  yCuts = keptY;
  if (!bounded) sortAndAbsorb();
}

void RISketchDivider::cutVertically(const RISketchBoundingBox& outerBox) {
  // The last piece is taken out and split away, so that the islands not yet cut off are moved
  // rather than copied by every cut; the tally forgets it and counts what replaces it. A cut
  // beside the extent of the last piece's curves crosses none of them and leaves it as it is.
  tallyS tally;
  xExtentS extent;
  while (xCuts.count() > 0) {
    const uint32_t last = pieces.count() - 1;
    if (!extent.known) extent = xExtentOf(pieces[last]);
    if (extent.finite && (xCuts[0] < extent.low || xCuts[0] > extent.high)) {
      xCuts.removeAt(0);
      if (!admit(pieces, tally)) return;
      continue;
    }
    extent.known = false;
    RISketchManager piece;
    piece.swapWith(pieces[last]);
    pieces.shrinkBy(1);
    if (tally.counted > last) {
      tally.counted = last;
      tally.curves -= piece.countObjects();
    }
    piece.splitAwayByCut(verticalCut(xCuts[0], outerBox), pieces, this);
    xCuts.removeAt(0);
    if (!admit(pieces, tally)) return;
  }
}

void RISketchDivider::cutHorizontally(const RISketchBoundingBox& outerBox) {
  if (yCuts.count() == 0 || allWithinLimit(pieces, 0)) return;
  sketchListT<RISketchManager> result;
  tallyS resultTally;
  // Takes local and the pieces after index as they are: the rest needs no cut.
  auto finish = [&](const sketchListT<RISketchManager>& local, uint32_t index) {
    if (!allWithinLimit(local, 0) || !allWithinLimit(pieces, index + 1)) return false;
    result.appendAll(local);
    for (uint32_t k = index + 1; k < pieces.count(); ++k) result.append(pieces[k]);
    return true;
  };
  for (uint32_t i = 0; i < pieces.count(); ++i) {
    sketchListT<double> ycs = yCuts;
    sketchListT<RISketchManager> local;
    pieces[i].splitByCut(horizontalCut(ycs[0], outerBox), local, RISketchManager::firstLoop, this);
    ycs.removeAt(0);
    bool done = finish(local, i);
    while (!done && ycs.count() > 0) {
      const uint32_t last = local.count() - 1;
      local[last].splitByCut(horizontalCut(ycs[0], outerBox), local, RISketchManager::firstLoop, this);
      removePiece(local, last);
      if (!admit(local)) return;
      done = finish(local, i);
      if (!done) ycs.removeAt(0);
    }
    if (!done) result.appendAll(local);
    if (!admit(result, resultTally)) return;
    if (done) break;
  }
  if (result.count() > 0) pieces = result;
}

void RISketchDivider::rebuildByChains() {
  if (pieces.count() <= 1) return;
  sketchListT<RISketchManager> rebuilt;
  tallyS tally;
  for (uint32_t i = pieces.count(); i-- > 0;) {
    pieces[i].splitIntoChains(rebuilt);
    if (!admit(rebuilt, tally)) return;
  }
  if (rebuilt.count() > 0) pieces = rebuilt;
}

void RISketchDivider::sortAndAbsorb() {
  struct areaOfPiece {
    double area;
    uint32_t index;
  };
  std::vector<areaOfPiece> byArea;
  for (uint32_t i = 0; i < pieces.count(); ++i) byArea.push_back({pieces[i].getBoundingBox().area(), i});
  sketchShellSort(byArea, uint32_t(byArea.size()),
                  [](const areaOfPiece& a, const areaOfPiece& b) { return a.area > b.area; });
  // Single loops are taken out last first; the rest keeps the sorted order.
  sketchListT<RISketchManager> sorted;
  sketchListT<RISketchManager> singles;
  for (uint32_t i = 0; i < byArea.size(); ++i) sorted.append(pieces[byArea[i].index]);
  pieces.clear();
  for (uint32_t i = sorted.count(); i-- > 0;)
    if (sorted[i].loopCount() == 1) singles.append(sorted[i]);
  for (uint32_t i = 0; i < sorted.count(); ++i)
    if (sorted[i].loopCount() != 1) pieces.append(sorted[i]);
  for (uint32_t j = singles.count(); j-- > 0;) {
    const RISketchBoundingBox single = singles[j].getBoundingBox();
    bool absorbed = false;
    for (uint32_t k = pieces.count(); k-- > 0 && !absorbed;) {
      if (!single.isInside(pieces[k].getBoundingBox())) continue;
      pieces[k].addLoop(singles[j].loops[0]);
      absorbed = true;
    }
    if (!absorbed) pieces.append(singles[j]);
  }
}
