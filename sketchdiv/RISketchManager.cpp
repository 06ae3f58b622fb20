#include "sketchdiv/RISketchManager.h"

#include <algorithm>

void RISketchManager::addLoop(RISketchGeoLoop& loop) {
  const RISketchBoundingBox box = loop.getBoundingBox();
  loop.snapToZero();
  loops.append(loop);
  boxes.append(box);
}

void RISketchManager::takeLoop(RISketchGeoLoop& loop) { takeLoop(loop, loop.getBoundingBox()); }

void RISketchManager::takeLoop(RISketchGeoLoop& loop, const RISketchBoundingBox& box) {
  loop.snapToZero();
  loops.append(RISketchGeoLoop()).swapWith(loop);
  boxes.append(box);
}

void RISketchManager::moveInto(RISketchManager& piece, sketchListT<RISketchManager>& list) {
  list.append(RISketchManager()).swapWith(piece);
}

uint32_t RISketchManager::countObjects() const {
  uint32_t total = 0;
  for (uint32_t i = 0; i < loops.count(); ++i) total += loops[i].arcCount() + loops[i].lineCount();
  return total;
}

void RISketchManager::clear() {
  loops.clear();
  boxes.clear();
}

RISketchBoundingBox RISketchManager::getBoundingBox() const {
  RISketchBoundingBox box(1e29, 1e29, -1e29, -1e29);
  for (uint32_t i = 0; i < boxes.count(); ++i) {
    box.minX = std::min(box.minX, boxes[i].minX);
    box.minY = std::min(box.minY, boxes[i].minY);
    box.maxX = std::max(box.maxX, boxes[i].maxX);
    box.maxY = std::max(box.maxY, boxes[i].maxY);
  }
  return box;
}

bool RISketchManager::crossings(const RISketchGeoLine& cut, sketchPointList& points, int& count) {
  count = 0;
  for (uint32_t i = 0; i < loops.count(); ++i) {
    int loopCount = 0;
    loops[i].crossings(cut, points, loopCount);
    count += loopCount;
  }
  return count > 0;
}

uint32_t RISketchManager::copyLoopsInside(const RISketchRect& rectangle, sketchListT<RISketchGeoLoop>& out) const {
  for (uint32_t i = 0; i < loops.count(); ++i)
    if (boxes[i].isInside(rectangle)) out.append(loops[i]);
  return out.count();
}

uint32_t RISketchManager::appendEmptyLoop() {
  RISketchGeoLoop loop;
  addLoop(loop);
  return loops.count() - 1;
}

void RISketchManager::removeDuplicatesInLoops() {
  for (uint32_t i = 0; i < loops.count(); ++i) loops[i].removeDuplicates();
}
