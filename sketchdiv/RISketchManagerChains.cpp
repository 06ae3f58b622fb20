// The chains of a piece: the chain test, merging, the rebuild into pieces of nested loops and
// the nesting test.
#include <cmath>
#include <cstdint>

#include "sketchdiv/RISketchManager.h"

namespace {

// The first curve of the list running between p and q either way, by its own tolerance.
template <class Object>
Object* curveBetween(sketchListT<Object>& list, const vectorC2d<double>& p, const vectorC2d<double>& q) {
  for (uint32_t i = 0; i < list.count(); ++i)
    if (list[i].startsAt(p) && list[i].endsAt(q)) return &list[i];
  for (uint32_t i = 0; i < list.count(); ++i)
    if (list[i].startsAt(q) && list[i].endsAt(p)) return &list[i];
  return nullptr;
}

// Removes the ends the walk reached and, when the walk started at the first end, that end
// itself: every such round shrinks the list even when the walk reached nothing (a point that
// is not a number).
void removeReachedEnds(const sketchPointList& walked, sketchPointList& ends, bool startedAtFirstEnd) {
  if (startedAtFirstEnd) ends.removeAt(0);
  removeMatchingPoints(walked, ends);
}

bool equalBoxCentres(const RISketchBoundingBox& a, const RISketchBoundingBox& b, double eps) {
  return std::fabs((a.minX + a.maxX) / 2.0 - (b.minX + b.maxX) / 2.0) <= eps &&
         std::fabs((a.minY + a.maxY) / 2.0 - (b.minY + b.maxY) / 2.0) <= eps;
}

}  // namespace

void RISketchManager::gatherInto(RISketchGeoLoop& scratch) {
  for (uint32_t i = 0; i < loops.count(); ++i) {
    for (uint32_t k = 0; k < loops[i].arcs.count(); ++k) scratch.appendArc(loops[i].arcs[k]);
    for (uint32_t k = 0; k < loops[i].lines.count(); ++k) scratch.appendLine(loops[i].lines[k]);
  }
}

uint32_t RISketchManager::countChains() { return countChainsUpTo(UINT32_MAX); }

bool RISketchManager::formsOneChain() { return countChainsUpTo(1) == 1; }

uint32_t RISketchManager::countChainsUpTo(uint32_t most) {
  RISketchGeoLoop all;
  gatherInto(all);
  sketchPointList ends;
  all.endPoints(ends);
  removeCoincidentPoints(ends);
  vectorC2d<double> start;
  if (!all.firstPoint(start)) return 0;
  uint32_t count = 0;
  bool startedAtFirstEnd = false;
  while (ends.count() > 0) {
    sketchPointList walked;
    all.walkChain(start, walked);
    removeCoincidentPoints(walked);
    removeReachedEnds(walked, ends, startedAtFirstEnd);
    ++count;
    // Ends left over mean at least one chain more.
    if (count == most && ends.count() > 0) return count + 1;
    if (ends.count() > 0) start = ends[0];
    startedAtFirstEnd = true;
  }
  return count;
}

void RISketchManager::mergeLoops() {
  RISketchGeoLoop merged;
  for (uint32_t i = 0; i < loops.count(); ++i) {
    for (uint32_t k = 0; k < loops[i].arcs.count(); ++k) {
      RISketchGeoArc arc = loops[i].arcs[k];
      merged.appendArc(arc);
    }
    for (uint32_t k = 0; k < loops[i].lines.count(); ++k) {
      RISketchGeoLine line = loops[i].lines[k];
      merged.appendLine(line);
    }
  }
  clear();
  addLoop(merged);
}

bool RISketchManager::splitIntoChains(sketchListT<RISketchManager>& out) {
  RISketchGeoLoop all;
  gatherInto(all);
  sketchPointList ends;
  all.endPoints(ends);
  vectorC2d<double> start;
  all.firstPoint(start);
  sketchListT<RISketchGeoLoop> chains;
  bool startedAtFirstEnd = false;
  while (ends.count() > 0) {
    sketchPointList walked;
    sketchListT<str> names;
    all.walkChainTyped(start, walked, names);
    // The walk lists every vertex and name twice: step k runs from point 2k+1 to 2k+2.
    RISketchGeoLoop chain;
    for (uint32_t k = 0; 2 * k + 2 < walked.count() && 2 * k < names.count(); ++k) {
      const vectorC2d<double> from = walked[2 * k + 1];
      const vectorC2d<double> to = walked[2 * k + 2];
      if (names[2 * k] == "line") {
        RISketchGeoLine line(from, to);
        if (const RISketchGeoLine* replaced = curveBetween(all.lines, from, to))
          line.setSource(replaced->getSource());
        chain.appendLine(line);
        continue;
      }
      RISketchGeoArc* arc = findArc(from, to);
      if (!arc) arc = curveBetween(all.arcs, from, to);
      if (arc) {
        RISketchGeoArc copy = *arc;
        chain.appendArc(copy);
      }
    }
    if (chain.lineCount() + chain.arcCount() > 0) chains.append(chain);
    removeReachedEnds(walked, ends, startedAtFirstEnd);
    if (ends.count() > 0) start = ends[0];
    startedAtFirstEnd = true;
  }
  sketchListT<RISketchGeoLoop> leftover;
  while (chains.count() > 0) {
    takeOuterPiece(chains, out, leftover);
    chains.appendAll(leftover);
  }
  return true;
}

void RISketchManager::takeOuterPiece(sketchListT<RISketchGeoLoop>& loops, sketchListT<RISketchManager>& out,
                                     sketchListT<RISketchGeoLoop>& leftover) {
  leftover.setEmpty();
  if (loops.count() == 0) return;
  if (loops.count() == 1) {
    RISketchManager piece;
    piece.addLoop(loops[0]);
    out.append(piece);
    loops.setEmpty();
    return;
  }
  // Areas that are not numbers win nothing; the first loop stands in when no area does.
  uint32_t outerIndex = 0;
  double largest = -1e29;
  for (uint32_t i = 0; i < loops.count(); ++i) {
    const double area = loops[i].getBoundingBox().area();
    if (area > largest) {
      largest = area;
      outerIndex = i;
    }
  }
  RISketchGeoLoop outer = loops[outerIndex];
  loops.removeAt(outerIndex);
  RISketchManager piece;
  piece.addLoop(outer);
  uint32_t i = 0;
  while (i < loops.count()) {
    RISketchGeoLoop& candidate = loops[i];
    RISketchGeoLoop* container = nullptr;
    if (candidate.isSameLoop(outer)) {
      loops.removeAt(i);
      ++i;
    } else if (isNested(outer, candidate, container)) {
      piece.addLoop(candidate);
      loops.removeAt(i);
      i = 0;
    } else {
      leftover.append(candidate);
      loops.removeAt(i);
      i = 0;
    }
  }
  out.append(piece);
}

bool RISketchManager::isNested(RISketchGeoLoop& a, RISketchGeoLoop& b, RISketchGeoLoop*& container) {
  const RISketchBoundingBox boxA = a.getBoundingBox();
  const RISketchBoundingBox boxB = b.getBoundingBox();
  RISketchGeoLoop* outer = nullptr;
  RISketchGeoLoop* inner = nullptr;
  RISketchBoundingBox innerBox;
  if (boxA.isInside(boxB)) {
    outer = &b;
    inner = &a;
    innerBox = boxA;
  }
  if (boxB.isInside(boxA)) {
    outer = &a;
    inner = &b;
    innerBox = boxB;
  }
  if (!outer) return false;
  const double eps = inner->eps();
  if (equalBoxCentres(boxA, boxB, eps)) {
    container = outer;
    return true;
  }
  vectorC2d<double> p;
  inner->firstPoint(p);
  const vectorC2d<double> centre((innerBox.minX + innerBox.maxX) / 2.0, (innerBox.minY + innerBox.maxY) / 2.0);
  if (pointsEqual(p, centre, eps)) {
    sketchPointList walked;
    inner->walkChain(p, walked);
    for (uint32_t i = walked.count(); i-- > 0;)
      if (pointsEqual(walked[i], p, eps)) walked.removeAt(i);
    if (walked.count() > 0) p = walked[walked.count() / 2];
  }
  RISketchGeoLine ray(p, vectorC2d<double>(p.x + boxA.width(), p.y + boxA.height()));
  ray.setTolerance(1e-6);
  sketchPointList points;
  int count = 0;
  outer->crossings(ray, points, count);
  inner->crossings(ray, points, count);
  removeCoincidentPoints(points);
  for (uint32_t i = points.count(); i-- > 0;)
    if (inner->liesOn(points[i]) || !ray.containsPoint(points[i])) points.removeAt(i);
  if (points.count() % 2 == 0) return false;
  container = outer;
  return true;
}

RISketchGeoArc* RISketchManager::findArc(const vectorC2d<double>& p, const vectorC2d<double>& q) {
  for (uint32_t i = 0; i < loops.count(); ++i) {
    const double eps = loops[i].eps();
    for (uint32_t k = 0; k < loops[i].arcs.count(); ++k) {
      RISketchGeoArc& arc = loops[i].arcs[k];
      if ((pointsEqual(arc.startPoint, p, eps) && pointsEqual(arc.endPoint, q, eps)) ||
          (pointsEqual(arc.startPoint, q, eps) && pointsEqual(arc.endPoint, p, eps)))
        return &arc;
    }
  }
  return nullptr;
}
