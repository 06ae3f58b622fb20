// The orientation of a piece's loops before the piece is handed back.
#include "sketchdiv/RISketchManager.h"

namespace {

// Reverses the loop's own curves running from p to q: the first line only, or all of them.
template <class Object>
void reverseBetween(sketchListT<Object>& list, const vectorC2d<double>& p, const vectorC2d<double>& q, bool firstOnly) {
  for (uint32_t i = 0; i < list.count(); ++i) {
    if (!list[i].startsAt(p) || !list[i].endsAt(q)) continue;
    list[i].reverse();
    if (firstOnly) return;
  }
}

// Turns curves against the walk so that they run head to tail.
void alignAlongWalk(RISketchGeoLoop& loop) {
  loop.removeDuplicates();
  loop.clearMarks();
  sketchPointList walked;
  vectorC2d<double> start;
  if (loop.firstPoint(start)) loop.walkChain(start, walked);
  removeCoincidentPoints(walked);
  // The walk's return to its start was cleaned away with the repeated points; the step back
  // to the start is aligned too, so that the last curve follows the one before it.
  const uint32_t n = walked.count();
  const uint32_t steps = n > 2 ? n : n - (n > 0);
  for (uint32_t k = 0; k < steps; ++k) {
    const vectorC2d<double> p = walked[k];
    const vectorC2d<double> q = walked[(k + 1) % n];
    sketchListT<RISketchGeoLine> forwardLines;
    sketchListT<RISketchGeoArc> forwardArcs;
    loop.objectsBetween(p, q, forwardLines, forwardArcs);
    if (forwardLines.count() > 0 && forwardArcs.count() > 0) {
      // A line and an arc between the same points close the loop between them.
      reverseBetween(loop.lines, p, q, true);
      return;
    }
    if (forwardLines.count() == 0 && forwardArcs.count() == 0) {
      reverseBetween(loop.lines, q, p, false);
      reverseBetween(loop.arcs, q, p, false);
    }
  }
}

}  // namespace

void RISketchManager::orientLoops() {
  for (uint32_t i = 0; i < loops.count(); ++i) alignAlongWalk(loops[i]);
  for (uint32_t i = 0; i < loops.count(); ++i) {
    const bool turned = loops[i].orientation() == 1;
    if (i == 0 ? turned : !turned) loops[i].reverse();
  }
}
