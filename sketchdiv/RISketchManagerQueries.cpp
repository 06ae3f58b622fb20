// Queries of a piece offered to callers of the engine: crossings per loop, stray ends, linked
// inserts, free cuts and the edges it shares with a line.
#include "sketchdiv/RINumericRange.h"
#include "sketchdiv/RISketchManager.h"

namespace {

// The axis line at c reaching 10 beyond the box: vertical for axis 1, else horizontal.
RISketchGeoLine axisLine(const RISketchBoundingBox& box, double c, uint8_t axis) {
  RISketchGeoLine line;
  if (axis == 1) line.setCoordinates(c, box.minY - 10.0, c, box.maxY + 10.0);
  else line.setCoordinates(box.minX - 10.0, c, box.maxX + 10.0, c);
  return line;
}

}  // namespace

void RISketchManager::partitionByCut(const RISketchGeoLine& cut, sketchListT<RISketchGeoLoop>& crossed,
                                     sketchListT<RISketchGeoLoop>& uncrossed) {
  for (uint32_t i = 0; i < loops.count(); ++i) {
    sketchPointList points;
    int count = 0;
    (loops[i].crossings(cut, points, count) ? crossed : uncrossed).append(loops[i]);
  }
}

int RISketchManager::countCutCrossings(double a, double b, uint8_t axis) {
  sketchPointList points;
  int count = 0;
  crossings(axisLine(getBoundingBox(), (a + b) / 2.0, axis), points, count);
  return count;
}

bool RISketchManager::hasStrayEnds() const {
  sketchPointList ends;
  sketchPointList walked;
  for (uint32_t i = 0; i < loops.count(); ++i) {
    loops[i].endPoints(ends);
    vectorC2d<double> start;
    if (loops[i].firstPoint(start)) loops[i].walkChain(start, walked);
  }
  removeMatchingPoints(walked, ends);
  return ends.count() > 0;
}

bool RISketchManager::loopsInsideBox() {
  const RISketchBoundingBox box = getBoundingBox();
  for (uint32_t i = 0; i < loops.count(); ++i)
    if (!loops[i].getBoundingBox().isInside(box)) return false;
  return true;
}

bool RISketchManager::insertArcIfLinked(RISketchGeoArc& arc) {
  for (uint32_t i = 0; i < loops.count(); ++i)
    if (loops[i].insertArcIfLinked(arc)) return true;
  return false;
}

bool RISketchManager::insertLineIfLinked(RISketchGeoLine& line) {
  for (uint32_t i = 0; i < loops.count(); ++i)
    if (loops[i].insertLineIfLinked(line)) return true;
  return false;
}

bool RISketchManager::removeLoop(const RISketchGeoLoop* loop) {
  for (uint32_t i = loops.count(); i-- > 0;) {
    if (&loops[i] != loop) continue;
    loops.removeAt(i);
    boxes.removeAt(i);
    return true;
  }
  return false;
}

bool RISketchManager::anyLoopHasStrayEnds() const {
  for (uint32_t i = 0; i < loops.count(); ++i)
    if (loops[i].hasStrayEnds()) return true;
  return false;
}

void RISketchManager::setLoopTags() {
  for (uint32_t i = 0; i < loops.count(); ++i) loops[i].setTag(int32_t(i));
}

void RISketchManager::collectCrossings(double c, sketchListT<RIIntersectionStruct>& records, uint8_t axis) {
  setLoopTags();
  const RISketchGeoLine line = axisLine(getBoundingBox(), c, axis);
  for (uint32_t i = 0; i < loops.count(); ++i) {
    sketchPointList points;
    int count = 0;
    loops[i].crossings(line, points, count);
    for (uint32_t k = 0; k < points.count(); ++k) {
      RIIntersectionStruct record;
      record.point = points[k];
      record.loop = loops[i].getTag();
      records.append(record);
    }
  }
}

bool RISketchManager::checkCrossings(const sketchListT<RIIntersectionStruct>& records, uint32_t limit) const {
  sketchListT<uint32_t> perLoop;
  for (uint32_t i = 0; i < loops.count(); ++i) perLoop.append(0);
  for (uint32_t i = 0; i < records.count(); ++i) {
    const int32_t loop = records[i].loop;
    if (loop < 0 || uint32_t(loop) >= perLoop.count()) continue;
    if (++perLoop[uint32_t(loop)] > limit) return false;
  }
  return true;
}

void RISketchManager::findFreeCut(uint32_t limit, uint8_t axis, double& coordinate, bool& found) {
  found = false;
  const RISketchBoundingBox box = getBoundingBox();
  // Halving the front range and queueing its halves tries each level from low to high.
  sketchListT<RINumericRange> queue;
  queue.append(axis == 1 ? RINumericRange(box.minX, box.maxX, 1) : RINumericRange(box.minY, box.maxY, 1));
  for (uint32_t front = 0, tried = 0; front < queue.count() && tried < maxFreeCutCandidates; ++front, ++tried) {
    const double centre = queue[front].centre();
    sketchListT<RIIntersectionStruct> records;
    collectCrossings(centre, records, axis);
    if (checkCrossings(records, limit)) {
      coordinate = centre;
      found = true;
      return;
    }
    queue[front].splitAtPercent(50.0, queue);
  }
}

void RISketchManager::findFreeVerticalCut(uint32_t limit, double& coordinate, bool& found) {
  findFreeCut(limit, 1, coordinate, found);
}

void RISketchManager::findFreeHorizontalCut(uint32_t limit, double& coordinate, bool& found) {
  findFreeCut(limit, 0, coordinate, found);
}

void RISketchManager::collectAxisLines(sketchListT<RISketchGeoLine>& out) const {
  for (uint32_t i = 0; i < loops.count(); ++i)
    for (uint32_t k = 0; k < loops[i].lines.count(); ++k) {
      const RISketchGeoLine& line = loops[i].lines[k];
      if (line.isVertical() || line.isHorizontal()) out.append(line);
    }
}

bool RISketchManager::sharesEdge(const RISketchGeoLine& line, double& overlap) const {
  if (!line.isVertical() && !line.isHorizontal()) return false;
  for (uint32_t i = 0; i < loops.count(); ++i)
    if (loops[i].sharesEdge(line, overlap)) return true;
  return false;
}
