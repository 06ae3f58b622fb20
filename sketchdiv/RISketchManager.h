// A piece of the division engine: the loops of one sketch or of one piece, each with the box
// it had when it was added. Held by value in every list of pieces.
#pragma once

#include <cstdint>

#include "sketchdiv/RISketchBoundingBox.h"
#include "sketchdiv/RISketchGeoLoop.h"
#include "sketchdiv/sketchListT.h"

class RISketchManager {
 public:
  // Takes the loop's box, snaps the given loop's near-zero coordinates to 0.0, then keeps
  // copies of both.
  void addLoop(RISketchGeoLoop& loop);
  // Arcs plus lines over all loops: the count held against the limit.
  uint32_t countObjects() const;
  // Null at or beyond the count.
  RISketchGeoLoop* loopAt(uint32_t index) { return loops.at(index); }
  uint32_t loopCount() const { return loops.count(); }
  bool isEmpty() const { return loops.count() == 0; }
  void clear();
  // Around the stored loop boxes; from +1e29 to -1e29 without loops.
  RISketchBoundingBox getBoundingBox() const;
  // Every loop's crossings with the cut appended to points; count receives their number.
  bool crossings(const RISketchGeoLine& cut, sketchPointList& points, int& count);
  // Appends copies of the loops whose box lies inside the rectangle; the list's count.
  uint32_t copyLoopsInside(const RISketchRect& rectangle, sketchListT<RISketchGeoLoop>& out) const;
  // A new loop without curves (and its empty box); its index.
  uint32_t appendEmptyLoop();
  // Drops the later duplicate curves of every loop.
  void removeDuplicatesInLoops();

  sketchListT<RISketchGeoLoop> loops;
  sketchListT<RISketchBoundingBox> boxes;
};
