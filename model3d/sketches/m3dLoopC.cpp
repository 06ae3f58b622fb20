#include "model3d/sketches/m3dLoopC.h"

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "core/metaTreeC.h"
#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/shapes/mBaseLine2dC.h"
#include "geom/planeGeometry2d.h"
#include "model3d/nurbs/nurbLoopCurve.h"

namespace {

constexpr double noShapeLength = 1e8;

// The shapes of a loop by position, with their neighbours around the loop and the shapes in
// order of length, so that each removal finds the shortest without walking the loop again.
class loopRepairC {
 public:
  explicit loopRepairC(metaTreeC* loop) {
    for (metaTreeC* child = loop->firstChild; child; child = child->next) shapes.push_back(child);
    const int count = int(shapes.size());
    for (int i = 0; i < count; ++i) {
      previous.push_back((i + count - 1) % count);
      next.push_back((i + 1) % count);
      lengths.push_back(0.0);
      measure(i);
    }
  }

  // The position of the shortest shape (first of equals) when it is not longer than epsilon.
  bool shortestWithin(double epsilon, int& position) const {
    if (byLength.empty() || byLength.begin()->first > epsilon) return false;
    position = byLength.begin()->second;
    return true;
  }

  // Closes the gap shape position leaves and deletes it; false when its neighbours are one.
  bool remove(int position) {
    const int before = previous[position];
    const int after = next[position];
    if (before == after) return false;
    join(shapes[before], shapes[after]);
    forget(position);
    next[before] = after;
    previous[after] = before;
    metaTreeC::unlink(shapes[position]);
    metaTreeC::deleteTree(shapes[position]);
    shapes[position] = nullptr;
    for (int neighbour : {before, after}) {
      forget(neighbour);
      measure(neighbour);
    }
    return true;
  }

 private:
  std::vector<metaTreeC*> shapes;
  std::vector<int> previous;
  std::vector<int> next;
  std::vector<double> lengths;
  std::set<std::pair<double, int>> byLength;

  // Only shapes shorter than 1e8 can be chosen; a length that is not a number never is.
  void measure(int position) {
    lengths[position] = mBaseShape2dC(shapes[position], 0).getLength();
    if (lengths[position] < noShapeLength) byLength.emplace(lengths[position], position);
  }
  void forget(int position) { byLength.erase({lengths[position], position}); }

  static void join(metaTreeC* before, metaTreeC* after) {
    const bool beforeLine = before->hasKeyword(mBaseLine2dC::classKey);
    const bool afterLine = after->hasKeyword(mBaseLine2dC::classKey);
    const bool beforeArc = before->hasKeyword(mBaseArc2dC::classKey);
    const bool afterArc = after->hasKeyword(mBaseArc2dC::classKey);
    if (beforeLine && afterLine) {
      mBaseLine2dC p(before, 0);
      mBaseLine2dC n(after, 0);
      const vectorC2d<double> pEnd = p.getEndPoint();
      const vectorC2d<double> nStart = n.getStartPoint();
      vectorC2d<double> crossing;
      if (intersectLines2d(p.getStartPoint(), pEnd, nStart, n.getEndPoint(), crossing) &&
          (crossing - pEnd).length() < (pEnd - nStart).length()) {
        p.setPointAt(1, crossing);
        n.setPointAt(0, crossing);
      } else {
        p.setPointAt(1, nStart);
      }
    } else if (beforeLine && afterArc) {
      mBaseArc2dC(after, 0).setPointAt(0, mBaseLine2dC(before, 0).getEndPoint());
    } else if (beforeArc && (afterLine || afterArc)) {
      const vectorC2d<double> start = afterLine ? mBaseLine2dC(after, 0).getStartPoint() : mBaseArc2dC(after, 0).getStartPoint();
      mBaseArc2dC(before, 0).setPointAt(2, start);
    }
  }
};

}  // namespace

int m3dLoopC::fixLoopEpsilon(double epsilon) {
  if (!node || !(epsilon >= 0.0) || getCount() < 3) return 0;
  metaTreeC* saved = metaTreeC::deepCopyNode(node);
  loopRepairC repair(node);
  int removed = 0;
  bool degenerate = false;
  int position = 0;
  while (repair.shortestWithin(epsilon, position)) {
    ++removed;
    if (!repair.remove(position)) {
      degenerate = true;
      break;
    }
  }
  if (degenerate || getCount() < 3) {
    metaTreeC::deleteChildren(node);
    if (metaTreeC* copies = saved->firstChild) {
      saved->firstChild = nullptr;
      metaTreeC::linkAsFirstChildren(copies, node);
    }
    ++metaTreeChangeCounter;
    removed = -1;
  }
  metaTreeC::deleteTree(saved);
  return removed;
}

nurbCurveC m3dLoopC::createNurbCurve() { return nurbCurveFromLoop(node); }
