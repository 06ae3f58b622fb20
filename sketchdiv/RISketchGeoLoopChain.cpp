// The loop's chains: duplicates, walks along curves joined end to end, and the chain in
// boundary order. The chain's lookups by point go through grids of the curves' ends
// (pointGridC) and give what scans of the lists in list order give, so a loop of N
// curves takes about N log N steps rather than N^2.
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "geom/pointGridC.h"
#include "sketchdiv/RIBaseObjectChain.h"
#include "sketchdiv/RISketchGeoLoop.h"
#include "sketchdiv/sketchFiledCurvesT.h"

namespace {

// Keeps the records no earlier kept record equals: what removing, for each survivor in turn,
// its later equals would keep. Whether any was removed (filed then files the list as it was).
template <class Object>
bool removeLaterEquals(sketchListT<Object>& list, sketchFiledCurvesT<Object>& filed) {
  const uint32_t n = list.count();
  std::vector<bool> repeats(n);
  for (uint32_t i = 0; i < n; ++i) repeats[i] = filed.repeatsEarlier(i, repeats);
  uint32_t kept = 0;
  for (uint32_t i = 0; i < n; ++i) {
    if (repeats[i]) continue;
    if (kept != i) list[kept] = list[i];
    ++kept;
  }
  list.shrinkBy(n - kept);
  return kept < n;
}

template <class Object>
void removeLaterEquals(sketchListT<Object>& list) {
  sketchFiledCurvesT<Object> filed(list);
  removeLaterEquals(list, filed);
}

// The lines and the arcs of a loop, filed.
struct filedLoopS {
  explicit filedLoopS(const RISketchGeoLoop& loop) : lines(loop.lines), arcs(loop.arcs) {}
  sketchFiledCurvesT<RISketchGeoLine> lines;
  sketchFiledCurvesT<RISketchGeoArc> arcs;
};

template <class Object>
Object* findInList(sketchListT<Object>& list, const IRIBaseGeoObject* excluded, bool atStart,
                   const vectorC2d<double>& p) {
  for (uint32_t i = 0; i < list.count(); ++i) {
    Object* object = &list[i];
    if (object == excluded) continue;
    if (atStart ? object->startsAt(p) : object->endsAt(p)) return object;
  }
  return nullptr;
}

template <class Object>
bool removeFromList(sketchListT<Object>& list, const IRIBaseGeoObject* object) {
  for (uint32_t i = 0; i < list.count(); ++i) {
    if (&list[i] != object) continue;
    list.removeAt(i);
    return true;
  }
  return false;
}

template <class Object>
void collectBetween(sketchListT<Object>& list, const vectorC2d<double>& p, const vectorC2d<double>& q,
                    sketchListT<Object>& out) {
  for (uint32_t i = 0; i < list.count(); ++i)
    if (list[i].startsAt(p) && list[i].endsAt(q)) out.append(list[i]);
}

// What removeCoincidentPoints keeps, through a grid: of each group of points that coincide
// (pointsCoincide, within 0.0001) the one that stood first. keptAt receives the index each
// kept point had.
void removeCoincidentVertices(sketchPointList& points, std::vector<uint32_t>& keptAt) {
  constexpr double coincidence = 0.0001;
  const uint32_t n = points.count();
  // The walk gives each vertex twice, or a finite one once: a finite copy of the point before
  // coincides with what that one coincides with, or with it, so it goes; the others are filed.
  std::vector<bool> repeats(n);
  std::vector<uint32_t> filed;
  for (uint32_t i = 0; i < n; ++i) {
    repeats[i] = i > 0 && isFinitePoint(points[i]) && points[i].x == points[i - 1].x && points[i].y == points[i - 1].y;
    if (!repeats[i]) filed.push_back(i);
  }
  const pointGridC grid(uint32_t(filed.size()), [&](uint32_t f) { return points[filed[f]]; }, coincidence, 1);
  std::vector<uint32_t> near;
  for (uint32_t f = 0; f < filed.size(); ++f) {
    const uint32_t i = filed[f];
    grid.candidates(points[i], near);
    for (uint32_t k = 0; k < near.size() && near[k] < f && !repeats[i]; ++k)
      repeats[i] = !repeats[filed[near[k]]] && pointsCoincide(points[filed[near[k]]], points[i]);
  }
  uint32_t kept = 0;
  keptAt.clear();
  for (uint32_t i = 0; i < n; ++i) {
    if (repeats[i]) continue;
    keptAt.push_back(i);
    points[kept++] = points[i];
  }
  points.shrinkBy(n - kept);
}

// The curves the chain takes between two vertices p and q: those from p to q, else those from
// q to p (reversed); of each kind how many, and the first in list order.
struct linkS {
  uint32_t lineHits = 0;
  uint32_t arcHits = 0;
  uint32_t firstLine = 0;
  uint32_t firstArc = 0;
  bool reversed = false;
  bool known = false;
};

linkS linkBetween(filedLoopS& filed, const vectorC2d<double>& p, const vectorC2d<double>& q) {
  linkS link;
  link.known = true;
  for (const bool reversed : {false, true}) {
    link.reversed = reversed;
    link.lineHits = filed.lines.between(reversed ? q : p, reversed ? p : q, link.firstLine);
    link.arcHits = filed.arcs.between(reversed ? q : p, reversed ? p : q, link.firstArc);
    if (link.lineHits + link.arcHits > 0) break;
  }
  return link;
}

// The walk of RISketchGeoLoop::walk over the filed curves of the loop, which it takes. With
// finiteOnce a finite vertex is given once, as what removeCoincidentVertices keeps of the
// walk's points does not change when the second copy is left out. With links, each step
// also finds the chain's link from the point it leaves (links[i] for points[i]) to the next
// point, while the step has that point's curves at hand.
bool walkFiled(filedLoopS& rest, double pointEps, const vectorC2d<double>& start, sketchPointList& points,
               sketchListT<str>* names, bool finiteOnce, std::vector<linkS>* links = nullptr) {
  const auto add = [&points, finiteOnce](const vectorC2d<double>& vertex) {
    points.append(vertex);
    if (!finiteOnce || !isFinitePoint(vertex)) points.append(vertex);
  };
  vectorC2d<double> current = start;
  // A curve starting at p before one ending there, lines before arcs.
  auto next = [&rest](const vectorC2d<double>& p) -> const IRIBaseGeoObject* {
    for (bool atStart : {true, false}) {
      if (const IRIBaseGeoObject* line = rest.lines.firstAt(p, atStart)) return line;
      if (const IRIBaseGeoObject* arc = rest.arcs.firstAt(p, atStart)) return arc;
    }
    return nullptr;
  };
  const IRIBaseGeoObject* object = next(current);
  if (!object) return false;
  add(start);
  // Every step takes the curve it went along, so the walk ends after at most as many steps as
  // the loop has curves.
  while (object) {
    if (names) {
      const str name = object->getTypeName();
      names->append(name);
      names->append(name);
    }
    vectorC2d<double> vertex;
    if (!object->getOtherEnd(current, vertex)) break;
    if (links) {
      links->resize(points.count());
      links->back() = linkBetween(rest, current, vertex);
    }
    add(vertex);
    if (!rest.lines.take(object)) rest.arcs.take(object);
    if (pointsEqual(vertex, start, pointEps)) break;
    current = vertex;
    object = next(current);
  }
  return true;
}

bool isFullCircle(const IRIBaseGeoObject* object) {
  return object && object->isArc() && static_cast<const RISketchGeoArc*>(object)->isFullCircle();
}

}  // namespace

void RISketchGeoLoop::removeDuplicates() {
  removeLaterEquals(lines);
  removeLaterEquals(arcs);
}

bool RISketchGeoLoop::firstPoint(vectorC2d<double>& point) const {
  if (lines.count() > 0) {
    point = lines[0].start;
    return true;
  }
  if (arcs.count() > 0) {
    point = arcs[0].startPoint;
    return true;
  }
  return false;
}

IRIBaseGeoObject* RISketchGeoLoop::findObjectStartingAt(const vectorC2d<double>& p, const IRIBaseGeoObject* excluded) {
  if (IRIBaseGeoObject* line = findInList(lines, excluded, true, p)) return line;
  return findInList(arcs, excluded, true, p);
}

IRIBaseGeoObject* RISketchGeoLoop::findObjectEndingAt(const vectorC2d<double>& p, const IRIBaseGeoObject* excluded) {
  if (IRIBaseGeoObject* line = findInList(lines, excluded, false, p)) return line;
  return findInList(arcs, excluded, false, p);
}

bool RISketchGeoLoop::removeObject(const IRIBaseGeoObject* object) {
  return removeFromList(lines, object) || removeFromList(arcs, object);
}

bool RISketchGeoLoop::walk(const vectorC2d<double>& start, sketchPointList& points, sketchListT<str>* names) const {
  filedLoopS filed(*this);
  return walkFiled(filed, pointEps, start, points, names, false);
}

bool RISketchGeoLoop::walkChain(const vectorC2d<double>& start, sketchPointList& points) const {
  return walk(start, points, nullptr);
}

bool RISketchGeoLoop::walkChainTyped(const vectorC2d<double>& start, sketchPointList& points,
                                     sketchListT<str>& names) const {
  return walk(start, points, &names);
}

bool RISketchGeoLoop::objectsBetween(const vectorC2d<double>& p, const vectorC2d<double>& q,
                                     sketchListT<RISketchGeoLine>& outLines, sketchListT<RISketchGeoArc>& outArcs) {
  const uint32_t before = outLines.count() + outArcs.count();
  collectBetween(lines, p, q, outLines);
  collectBetween(arcs, p, q, outArcs);
  return outLines.count() + outArcs.count() > before;
}

void RISketchGeoLoop::collapseFullCircles(RIBaseObjectChain* head) {
  RIBaseObjectChain* node = head;
  while (node) {
    RIBaseObjectChain* following = node->getNext();
    if (isFullCircle(node->getObject()) && following && isFullCircle(following->getObject())) {
      const auto* circle = static_cast<const RISketchGeoArc*>(node->getObject());
      const auto* other = static_cast<const RISketchGeoArc*>(following->getObject());
      const bool same = (circle->startsAt(other->startPoint) && circle->endsAt(other->endPoint)) ||
                        (circle->startsAt(other->endPoint) && circle->endsAt(other->startPoint));
      if (same) {
        following->unlink();
        delete following;
        continue;
      }
    }
    node = following;
  }
}

bool RISketchGeoLoop::buildChain(RIBaseObjectChain*& head) {
  // The curves filed before duplicates go serve the walk and the chain unless some went.
  std::optional<filedLoopS> filed(std::in_place, *this);
  const bool linesWent = removeLaterEquals(lines, filed->lines);
  if (removeLaterEquals(arcs, filed->arcs) || linesWent) filed.emplace(*this);
  chainLines.setEmpty();
  chainArcs.setEmpty();
  sketchPointList vertices;
  vectorC2d<double> start;
  // The walk takes curves, which the lookups between vertices do not look at; it finds the
  // links between the points it goes through, which serve the vertices kept next to each other.
  std::vector<linkS> walkLinks;
  if (firstPoint(start)) walkFiled(*filed, pointEps, start, vertices, nullptr, true, &walkLinks);
  std::vector<uint32_t> keptAt;
  removeCoincidentVertices(vertices, keptAt);
  head = new RIBaseObjectChain;

  // The link from vertex i to vertex k.
  auto link = [&](uint32_t i, uint32_t k) {
    const uint32_t from = keptAt[i];
    if (keptAt[k] == from + 1 && from < walkLinks.size() && walkLinks[from].known) return walkLinks[from];
    return linkBetween(*filed, vertices[i], vertices[k]);
  };
  auto chainLine = [&](const linkS& l) {
    RISketchGeoLine& line = chainLines.append(lines[l.firstLine]);
    if (l.reversed) line.reverse();
    head->append(&line);
  };
  // Only full circles collapse: a chain without one is left unread.
  bool fullCircles = false;
  auto chainArc = [&](const linkS& l) {
    RISketchGeoArc& arc = chainArcs.append(arcs[l.firstArc]);
    if (l.reversed) arc.reverse();
    fullCircles = fullCircles || arc.isFullCircle();
    head->append(&arc);
  };

  const uint32_t n = vertices.count();
  for (uint32_t i = 0; i + 1 < n; ++i) {
    const linkS l = link(i, i + 1);
    if (l.lineHits == 1 && l.arcHits == 1) {
      // A line and an arc between the same two vertices make the whole loop.
      chainLine(l);
      chainArc(l);
      if (fullCircles) collapseFullCircles(head);
      return true;
    }
    if (l.lineHits > 0 && l.arcHits > 0) continue;
    if (l.lineHits > 0) chainLine(l);
    else if (l.arcHits > 0) chainArc(l);
  }
  if (n > 0) {
    const linkS l = link(n - 1, 0);
    if (l.lineHits == 1) chainLine(l);
    if (l.arcHits == 1) chainArc(l);
  }
  if (fullCircles) collapseFullCircles(head);
  return true;
}
