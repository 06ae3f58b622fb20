// The chains of a piece: the chain test, merging, the rebuild into pieces of nested loops and
// the nesting test.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <vector>

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

// The curves of a scratch loop in groups whose end points lie apart by more than any test of
// the chains reaches (a point's tolerance, the walk's and the coincidence of ends), so that a
// walk, the ends it reaches and the curves between its vertices stay within the group of the
// point it starts from. Each group keeps its curves in list order; the ends are listed as the
// loop lists them, each with its group. Without finite end points every curve is in one group.
class chainGroupsC {
 public:
  explicit chainGroupsC(const RISketchGeoLoop& all) {
    const uint32_t arcs = all.arcs.count();
    const uint32_t n = arcs + all.lines.count();
    // A curve's two ends and tolerance, arcs before lines.
    struct curveEndsS {
      vectorC2d<double> start, end;
      double tolerance;
    };
    auto curveEnds = [&all, arcs](uint32_t i) -> curveEndsS {
      if (i < arcs) return {all.arcs[i].startPoint, all.arcs[i].endPoint, all.arcs[i].getTolerance()};
      const RISketchGeoLine& line = all.lines[i - arcs];
      return {line.start, line.end, line.getTolerance()};
    };
    std::vector<uint32_t> parent(n);
    std::iota(parent.begin(), parent.end(), 0u);
    if (!joinNearCurves(n, curveEnds, std::fabs(all.eps()), parent)) std::fill(parent.begin(), parent.end(), 0u);
    std::vector<uint32_t> groupOf(n, UINT32_MAX);
    for (uint32_t i = 0; i < n; ++i) {
      const uint32_t r = rootOf(parent, i);
      if (groupOf[r] == UINT32_MAX) {
        groupOf[r] = uint32_t(loops.size());
        loops.emplace_back();
        loops.back().setEps(all.eps());
        endsOf.emplace_back();
      }
      const uint32_t g = groupOf[r];
      curveGroup.push_back(g);
      if (i < arcs) loops[g].arcs.append(all.arcs[i]);
      else loops[g].lines.append(all.lines[i - arcs]);
    }
    // The ends in the order of RISketchGeoLoop::endPoints: arcs, then lines.
    for (uint32_t i = 0; i < n; ++i) {
      const curveEndsS curve = curveEnds(i);
      for (const vectorC2d<double>& p : {curve.start, curve.end}) {
        endsOf[curveGroup[i]].push_back(uint32_t(ends.size()));
        ends.push_back({p, curveGroup[i], true});
      }
    }
  }

  // The group of the loop's first point (its first line's start, else its first arc's).
  uint32_t firstGroup(const RISketchGeoLoop& all) const {
    return curveGroup[all.lines.count() > 0 ? all.arcs.count() : 0];
  }
  RISketchGeoLoop& loop(uint32_t group) { return loops[group]; }

  // The first end still listed; false when none is.
  bool firstEnd(uint32_t& index) {
    while (front < ends.size() && !ends[front].listed) ++front;
    index = uint32_t(front);
    return front < ends.size();
  }
  const vectorC2d<double>& endPoint(uint32_t index) const { return ends[index].point; }
  uint32_t endGroup(uint32_t index) const { return ends[index].group; }
  void unlist(uint32_t index) { ends[index].listed = false; }
  // Unlists the group's ends that coincide with a walked point.
  void unlistReached(uint32_t group, const sketchPointList& walked) {
    for (const uint32_t e : endsOf[group]) {
      if (!ends[e].listed) continue;
      for (uint32_t k = 0; k < walked.count() && ends[e].listed; ++k)
        if (pointsCoincide(walked[k], ends[e].point)) ends[e].listed = false;
    }
  }

 private:
  struct endsS {
    double minX, minY, maxX, maxY;
    uint32_t curve;
  };

  static uint32_t rootOf(std::vector<uint32_t>& parent, uint32_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  }
  // Joins the curves whose end boxes, grown beyond every test of the chains, overlap; false
  // when an end point or a tolerance is not finite, which leaves nothing apart.
  template <class CurveEnds>
  static bool joinNearCurves(uint32_t n, CurveEnds curveEnds, double walkEps, std::vector<uint32_t>& parent) {
    std::vector<endsS> boxes(n);
    double widest = 0.0;
    double loosest = 0.0;
    for (uint32_t i = 0; i < n; ++i) {
      const auto [a, b, tolerance] = curveEnds(i);
      if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y) ||
          !std::isfinite(tolerance))
        return false;
      loosest = std::max(loosest, std::fabs(tolerance));
      widest = std::max({widest, std::fabs(a.x), std::fabs(a.y), std::fabs(b.x), std::fabs(b.y)});
      boxes[i] = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y), i};
    }
    const double reach = std::max({walkEps, loosest, 1e-4});
    const double margin = 2.0 * reach + 1e-9 * widest;
    if (!std::isfinite(margin)) return false;
    // A sweep along x joins the curves whose grown boxes overlap.
    std::sort(boxes.begin(), boxes.end(), [](const endsS& a, const endsS& b) { return a.minX < b.minX; });
    std::vector<uint32_t> open;
    for (uint32_t k = 0; k < n; ++k) {
      const endsS& box = boxes[k];
      uint32_t kept = 0;
      for (const uint32_t o : open) {
        const endsS& other = boxes[o];
        if (other.maxX + margin < box.minX) continue;
        open[kept++] = o;
        if (other.minY <= box.maxY + margin && box.minY <= other.maxY + margin)
          parent[rootOf(parent, other.curve)] = rootOf(parent, box.curve);
      }
      open.resize(kept);
      open.push_back(k);
    }
    return true;
  }
  struct endS {
    vectorC2d<double> point;
    uint32_t group;
    bool listed;
  };
  std::vector<RISketchGeoLoop> loops;
  std::vector<uint32_t> curveGroup;
  std::vector<endS> ends;
  std::vector<std::vector<uint32_t>> endsOf;
  size_t front = 0;
};

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
  sketchListT<RISketchGeoLoop> chains;
  // The chain between the walked vertices: step k runs from point 2k+1 to 2k+2 of a walk that
  // lists every vertex and name twice.
  auto appendChain = [&](RISketchGeoLoop& walkedLoop, const sketchPointList& walked, const sketchListT<str>& names) {
    RISketchGeoLoop chain;
    for (uint32_t k = 0; 2 * k + 2 < walked.count() && 2 * k < names.count(); ++k) {
      const vectorC2d<double> from = walked[2 * k + 1];
      const vectorC2d<double> to = walked[2 * k + 2];
      if (names[2 * k] == "line") {
        RISketchGeoLine line(from, to);
        if (const RISketchGeoLine* replaced = curveBetween(walkedLoop.lines, from, to))
          line.setSource(replaced->getSource());
        chain.appendLine(line);
        continue;
      }
      RISketchGeoArc* arc = findArc(from, to);
      if (!arc) arc = curveBetween(walkedLoop.arcs, from, to);
      if (arc) {
        RISketchGeoArc copy = *arc;
        chain.appendArc(copy);
      }
    }
    if (chain.lineCount() + chain.arcCount() > 0) chains.append(chain);
  };
  chainGroupsC groups(all);
  vectorC2d<double> start;
  all.firstPoint(start);
  // Each walk runs in the group of its start and unlists only that group's ends: the first
  // from the loop's first point, every later one from the first end still listed.
  uint32_t first = 0;
  bool startedAtFirstEnd = false;
  while (groups.firstEnd(first)) {
    const uint32_t group = startedAtFirstEnd ? groups.endGroup(first) : groups.firstGroup(all);
    if (startedAtFirstEnd) start = groups.endPoint(first);
    sketchPointList walked;
    sketchListT<str> names;
    groups.loop(group).walkChainTyped(start, walked, names);
    appendChain(groups.loop(group), walked, names);
    if (startedAtFirstEnd) groups.unlist(first);
    groups.unlistReached(group, walked);
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
