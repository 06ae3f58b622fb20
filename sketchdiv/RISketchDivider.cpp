#include "sketchdiv/RISketchDivider.h"

void RISketchDivider::setObjects(const RISketchManager& manager) {
  pieces.clear();
  yCuts.clear();
  xCuts.clear();
  islands.clear();
  box = RISketchBoundingBox();
  outerLoop.reset();
  bounded = false;
  work = 0;
  // An empty set must not leave the previous one to be divided again.
  objects.clear();
  if (manager.loopCount() == 0) return;
  objects = manager;
  outerLoop = manager.loops[0];
  outerLoop.setTag(-1);
  for (uint32_t i = 1; i < manager.loops.count(); ++i) islands.append(manager.loops[i]);
}

int RISketchDivider::divide(bool top) {
  if (objects.loopCount() == 0) return noLoops;
  const uint32_t total = objects.countObjects();
  if (total <= limit) {
    pieces.append(objects);
    return withinLimit;
  }
  if (total > maxCurves) {
    bounded = true;
    return overLimit;
  }
  orphanage.clear();
  xCuts.setEmpty();
  yCuts.setEmpty();
  box = objects.getBoundingBox();
  islandCuts();
  placeCuts(objects, yCuts, 0);
  placeCuts(objects, xCuts, 1);
  buildPieces();
  if (bounded) return overLimit;
  bool more = true;
  if (pieces.count() == 0) {
    pieces.append(objects);
    more = false;
  }
  if (pieces.count() == 1) more = false;
  if (!top) return divided;
  if (!redivide(more)) return overLimit;
  return regroup();
}

void RISketchDivider::getResult(sketchListT<RISketchManager>& out) const { out = pieces; }

bool RISketchDivider::checkPieceLimits(sketchListT<RISketchManager>& list, sketchListT<RISketchManager>& over) const {
  const uint32_t n = list.count();
  for (uint32_t i = n; i-- > 0;)
    if (list[i].countObjects() > limit) over.append(list[i]);
  uint32_t kept = 0;
  for (uint32_t i = 0; i < n; ++i) {
    if (list[i].countObjects() > limit) continue;
    if (kept != i) list[kept] = list[i];
    ++kept;
  }
  list.shrinkBy(n - kept);
  return kept == n;
}

bool RISketchDivider::admit(const sketchListT<RISketchManager>& list, tallyS& tally) {
  if (bounded) return false;
  for (; tally.counted < list.count(); ++tally.counted) tally.curves += list[tally.counted].countObjects();
  if (list.count() > maxPieces || tally.curves > maxCurves) bounded = true;
  return !bounded;
}

bool RISketchDivider::admit(const sketchListT<RISketchManager>& list) {
  tallyS tally;
  return admit(list, tally);
}

bool RISketchDivider::spend(uint32_t curves) {
  work += curves;
  if (work > workBound) bounded = true;
  return !bounded;
}

bool RISketchDivider::allWithinLimit(const sketchListT<RISketchManager>& list, uint32_t from) const {
  for (uint32_t i = from; i < list.count(); ++i)
    if (list[i].countObjects() > limit) return false;
  return true;
}

bool RISketchDivider::islandsBox(RISketchBoundingBox& out) {
  if (islands.count() == 0) return false;
  RISketchBoundingBox around(1e29, 1e29, -1e29, -1e29);
  for (uint32_t i = 0; i < islands.count(); ++i) {
    const RISketchBoundingBox b = islands[i].getBoundingBox();
    if (b.minX < around.minX) around.minX = b.minX;
    if (b.minY < around.minY) around.minY = b.minY;
    if (b.maxX > around.maxX) around.maxX = b.maxX;
    if (b.maxY > around.maxY) around.maxY = b.maxY;
  }
  out = around;
  return true;
}

bool RISketchDivider::longestRange(const sketchListT<RINumericRange>& ranges, RINumericRange& out) {
  if (ranges.count() == 0) return false;
  double longest = 0.0;
  out = ranges[0];
  for (uint32_t i = 0; i < ranges.count(); ++i) {
    if (!(ranges[i].length() > longest)) continue;
    longest = ranges[i].length();
    out = ranges[i];
  }
  return true;
}
