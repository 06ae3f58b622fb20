// The split of a piece along a vertical or horizontal cut into two pieces.
#include "sketchdiv/RISketchManager.h"

namespace {

// Whole inside a side decides (the first side first); else the larger overlap; equal overlaps
// go to the first side, so no part is left without a side.
bool goesToFirstSide(const RISketchRect& first, const RISketchRect& second, const RISketchRect& box) {
  if (box.isInside(first)) return true;
  if (box.isInside(second)) return false;
  return !(first.overlapMeasure(box) < second.overlapMeasure(box));
}

// Hands the piece on whole: moved when it is given away, else copied.
void handOn(RISketchManager& piece, sketchListT<RISketchManager>& out, bool giveAway) {
  if (giveAway) RISketchManager::moveInto(piece, out);
  else out.append(piece);
}

void splitFirstLoop(RISketchManager& piece, const RISketchGeoLine& cut, sketchListT<RISketchManager>& out,
                    IRILostObjectsCollector* collector, bool giveAway) {
  sketchListT<RISketchGeoLoop> halves;
  piece.loops[0].splitByCut(cut, halves, true, 0, collector);
  if (halves.count() < 2) {
    handOn(piece, out, giveAway);
    return;
  }
  RISketchManager first;
  RISketchManager second;
  first.takeLoop(halves[0]);
  second.takeLoop(halves[1]);
  const RISketchRect firstBox = first.boxes[0];
  const RISketchRect secondBox = second.boxes[0];
  // Each further loop is copied once (moved when the piece is given away), then moved; the
  // pieces too are moved into the list.
  for (uint32_t i = 1; i < piece.loops.count(); ++i) {
    RISketchGeoLoop copy;
    if (!giveAway) copy = piece.loops[i];
    RISketchGeoLoop& loop = giveAway ? piece.loops[i] : copy;
    const RISketchBoundingBox box = loop.getBoundingBox();
    (goesToFirstSide(firstBox, secondBox, box) ? first : second).takeLoop(loop, box);
  }
  if (giveAway) piece.clear();
  RISketchManager::moveInto(first, out);
  RISketchManager::moveInto(second, out);
}

void appendClosingSegment(RISketchManager& side, RISketchGeoLine& segment) {
  if (side.loops.count() == 0) return;
  side.loops[0].appendLine(segment);
  // The piece's box must cover the segment it now holds.
  side.boxes[0] = side.loops[0].getBoundingBox();
}

void splitEveryLoop(RISketchManager& piece, const RISketchGeoLine& cut, sketchPointList& points,
                    sketchListT<RISketchManager>& out, IRILostObjectsCollector* collector) {
  sketchListT<RISketchGeoLoop> parts;
  for (uint32_t i = 0; i < piece.loops.count(); ++i) {
    const uint32_t before = parts.count();
    piece.loops[i].splitByCut(cut, parts, false, 0, collector);
    if (parts.count() == before) {
      out.append(piece);
      return;
    }
  }
  for (uint32_t i = parts.count(); i-- > 0;)
    if (parts[i].lineCount() + parts[i].arcCount() == 0) parts.removeAt(i);

  const RISketchBoundingBox box = piece.getBoundingBox();
  RISketchRect first = box;
  RISketchRect second = box;
  if (cut.isVertical()) {
    first.maxX = second.minX = cut.start.x;
    sortPointsByY(points);
  } else {
    first.maxY = second.minY = cut.start.y;
    sortPointsByX(points);
  }
  RISketchManager firstSide;
  RISketchManager secondSide;
  for (uint32_t i = 0; i < parts.count(); ++i) {
    const RISketchBoundingBox partBox = parts[i].getBoundingBox();
    parts[i].clearMarks();
    (goesToFirstSide(first, second, partBox) ? firstSide : secondSide).takeLoop(parts[i]);
  }
  const double eps = piece.loops[0].eps();
  for (uint32_t k = 0; k + 1 < points.count(); k += 2) {
    RISketchGeoLine segment(points[k + 1], points[k]);
    segment.setTolerance(eps);
    appendClosingSegment(firstSide, segment);
    segment.set(points[k], points[k + 1]);
    appendClosingSegment(secondSide, segment);
  }
  RISketchManager::moveInto(firstSide, out);
  RISketchManager::moveInto(secondSide, out);
}

}  // namespace

void RISketchManager::splitByCut(const RISketchGeoLine& cut, sketchListT<RISketchManager>& out, uint8_t mode,
                                 IRILostObjectsCollector* collector) {
  split(cut, out, mode, collector, false);
}

void RISketchManager::splitAwayByCut(const RISketchGeoLine& cut, sketchListT<RISketchManager>& out,
                                     IRILostObjectsCollector* collector) {
  split(cut, out, firstLoop, collector, true);
}

void RISketchManager::split(const RISketchGeoLine& cut, sketchListT<RISketchManager>& out, uint8_t mode,
                            IRILostObjectsCollector* collector, bool giveAway) {
  sketchPointList points;
  int count = 0;
  if (mode == everyLoop) {
    crossings(cut, points, count);
    removeCoincidentPoints(points);
  } else {
    // Splitting the first loop needs only whether some loop is crossed, not the points.
    for (uint32_t i = 0; i < loops.count() && count == 0; ++i) loops[i].crossings(cut, points, count);
  }
  if (count == 0 || collector == nullptr || (!cut.isVertical() && !cut.isHorizontal())) {
    handOn(*this, out, giveAway);
    return;
  }
  if (mode == everyLoop) splitEveryLoop(*this, cut, points, out, collector);
  else splitFirstLoop(*this, cut, out, collector, giveAway);
}
