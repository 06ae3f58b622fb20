// The loop's queries and in-place changes: end points, identity, orientation, reversal,
// points on the loop, linked inserts and the loop made from orphans.
#include <cmath>
#include <type_traits>

#include "sketchdiv/RILostObjectOrphanage.h"
#include "sketchdiv/RISketchGeoLoop.h"

void RISketchGeoLoop::endPoints(sketchPointList& points) const {
  for (uint32_t i = 0; i < arcs.count(); ++i) {
    points.append(arcs[i].startPoint);
    points.append(arcs[i].endPoint);
  }
  for (uint32_t i = 0; i < lines.count(); ++i) {
    points.append(lines[i].start);
    points.append(lines[i].end);
  }
}

bool RISketchGeoLoop::hasStrayEnds() const {
  sketchPointList ends;
  endPoints(ends);
  sketchPointList walked;
  vectorC2d<double> start;
  if (firstPoint(start)) walkChain(start, walked);
  removeMatchingPoints(walked, ends);
  return ends.count() > 0;
}

bool RISketchGeoLoop::liesOn(const vectorC2d<double>& p) {
  for (uint32_t i = 0; i < arcs.count(); ++i)
    if (arcs[i].containsPoint(p)) return true;
  for (uint32_t i = 0; i < lines.count(); ++i)
    if (lines[i].containsPoint(p)) return true;
  return false;
}

bool RISketchGeoLoop::holdsLine(const RISketchGeoLine& line) const {
  for (uint32_t i = 0; i < lines.count(); ++i)
    if (lines[i].isEqual(&line)) return true;
  return false;
}

bool RISketchGeoLoop::isSameLoop(RISketchGeoLoop& other) {
  if (lines.count() != other.lines.count() || arcs.count() != other.arcs.count()) return false;
  if (!(std::fabs(getBoundingBox().area() - other.getBoundingBox().area()) <= pointEps)) return false;
  auto held = [](const IRIBaseGeoObject& object, auto& list) {
    for (uint32_t k = 0; k < list.count(); ++k)
      if (object.isEqual(&list[k])) return true;
    return false;
  };
  for (uint32_t i = 0; i < lines.count(); ++i)
    if (!held(lines[i], other.lines)) return false;
  for (uint32_t i = 0; i < arcs.count(); ++i)
    if (!held(arcs[i], other.arcs)) return false;
  return true;
}

int RISketchGeoLoop::orientation() {
  sketchPointList ends;
  endPoints(ends);
  removeCoincidentPoints(ends);
  if (ends.count() < 2) return 0;
  sortPointsByX(ends);
  const vectorC2d<double> p = ends[0];
  IRIBaseGeoObject* object = findObjectStartingAt(p, nullptr);
  if (!object) {
    object = findObjectEndingAt(p, nullptr);
    // Points that match nothing (not-a-number) give no direction.
    if (!object) return 0;
    object->reverse();
  }
  const vectorC2d<double> q = object->getEndPoint();
  if (q.y > p.y) return 0;
  if (q.y < p.y) return 1;
  if (std::fabs(p.x - q.x) <= pointEps) return 2;
  return q.x <= p.x ? 1 : 0;
}

void RISketchGeoLoop::reverse() {
  for (uint32_t i = 0; i < lines.count(); ++i) lines[i].reverse();
  for (uint32_t i = 0; i < arcs.count(); ++i) arcs[i].reverse();
}

void RISketchGeoLoop::snapToZero() {
  for (uint32_t i = 0; i < arcs.count(); ++i) arcs[i].snapToZero();
  for (uint32_t i = 0; i < lines.count(); ++i) lines[i].snapToZero();
}

void RISketchGeoLoop::clearMarks() {
  for (uint32_t i = 0; i < lines.count(); ++i) lines[i].clearMarks();
  for (uint32_t i = 0; i < arcs.count(); ++i) arcs[i].clearMarks();
}

template <class Object>
bool RISketchGeoLoop::insertIfLinked(Object& object) {
  const vectorC2d<double> s = object.getStartPoint();
  const vectorC2d<double> e = object.getEndPoint();
  const IRIBaseGeoObject* a = findObjectStartingAt(s, nullptr);
  const IRIBaseGeoObject* b = findObjectEndingAt(e, nullptr);
  const IRIBaseGeoObject* c = findObjectStartingAt(e, nullptr);
  const IRIBaseGeoObject* d = findObjectEndingAt(s, nullptr);
  const bool linked = (a && b && !object.isEqual(a) && !object.isEqual(b)) ||
                      (c && d && !object.isEqual(c) && !object.isEqual(d));
  if (!linked) return false;
  if constexpr (std::is_same_v<Object, RISketchGeoArc>) appendArc(object);
  else appendLine(object);
  return true;
}

bool RISketchGeoLoop::insertArcIfLinked(RISketchGeoArc& arc) { return insertIfLinked(arc); }

bool RISketchGeoLoop::insertLineIfLinked(RISketchGeoLine& line) { return insertIfLinked(line); }

IRIBaseGeoObject* RISketchGeoLoop::firstObject() {
  if (lines.count() > 0) return &lines[0];
  if (arcs.count() > 0) return &arcs[0];
  return nullptr;
}

IRIBaseGeoObject* RISketchGeoLoop::nextObject(const IRIBaseGeoObject* object) {
  if (!object) return nullptr;
  vectorC2d<double> end;
  if (!object->getOtherEnd(object->getStartPoint(), end)) return nullptr;
  if (IRIBaseGeoObject* following = findObjectStartingAt(end, nullptr)) return following;
  return findObjectEndingAt(end, object);
}

bool RISketchGeoLoop::findObjectAt(const vectorC2d<double>& p, IRIBaseGeoObject*& object) {
  for (uint32_t i = 0; i < lines.count(); ++i) {
    if (!lines[i].containsPoint(p)) continue;
    object = &lines[i];
    return true;
  }
  for (uint32_t i = 0; i < arcs.count(); ++i) {
    if (!arcs[i].containsPoint(p)) continue;
    object = &arcs[i];
    return true;
  }
  return false;
}

IRIBaseGeoObject* RISketchGeoLoop::nearestObject(const vectorC2d<double>& p, IRIBaseGeoObject*& object,
                                                 double& distance, const IRIBaseGeoObject* excluded) {
  IRIBaseGeoObject* nearest = nullptr;
  double best = 1e+29;
  auto consider = [&](IRIBaseGeoObject& candidate) {
    const double d = candidate.distanceToEnds(p);
    if (d < best && &candidate != excluded) {
      nearest = &candidate;
      best = d;
    }
  };
  for (uint32_t i = 0; i < lines.count(); ++i) consider(lines[i]);
  for (uint32_t i = 0; i < arcs.count(); ++i) consider(arcs[i]);
  object = nearest;
  distance = best;
  return nearest;
}

RISketchGeoLoop RISketchGeoLoop::loopFromOrphans(RILostObjectOrphanage& orphanage) {
  RISketchGeoLoop loop;
  for (uint32_t i = 0; i < orphanage.arcCount(); ++i) loop.appendArc(*orphanage.arcAt(i));
  for (uint32_t i = 0; i < orphanage.lineCount(); ++i) loop.appendLine(*orphanage.lineAt(i));
  return loop;
}
