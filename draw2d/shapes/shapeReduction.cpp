#include "draw2d/shapes/shapeReduction.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/shapes/mBaseCircle2dC.h"
#include "draw2d/shapes/mBaseLine2dC.h"
#include "draw2d/shapes/mShapeList2dC.h"
#include "geom/planeGeometry2d.h"
#include "core/pointNodeValues.h"

namespace {

vectorC2d<double> unit(vectorC2d<double> v) {
  v.setLength(1.0);
  return v;
}

double dot(const vectorC2d<double>& a, const vectorC2d<double>& b) { return a.x * b.x + a.y * b.y; }

bool closesOn(const vectorC2d<double>& p, const vectorC2d<double>& start) {
  return std::fabs(p.x - start.x) <= 1e-8 && std::fabs(p.y - start.y) <= 1e-8;
}

void dropNonFinite(point2dArrayC& points) {
  uint32_t kept = 0;
  for (uint32_t i = 0; i < points.elementCount; ++i)
    if (isFinitePoint(points[i])) points[kept++] = points[i];
  points.elementCount = kept;
}

// Links the new shape after tail, the list's last child (null: the list has none), and makes
// it the tail; the list owns it from then on. The tail is carried from shape to shape, so that
// a run of shapes is linked without walking the list for each.
void linkAtEnd(mBaseShape2dC& shape, metaTreeC* list, metaTreeC*& tail) {
  shape.unlinkFromParent(0);
  metaTreeC* node = shape.getNode();
  if (tail) metaTreeC::linkAfter(node, tail);
  else metaTreeC::linkAsFirstChildren(node, list);
  tail = node;
  ++metaTreeChangeCounter;
}

}  // namespace

bool isOnCircleOf3(const vectorC2d<double>& p0, const vectorC2d<double>& p1, const vectorC2d<double>& p2,
                   const vectorC2d<double>& p3, double tolerance) {
  if (dot(unit(p1 - p0), unit(p2 - p0)) > 0.99999999) return false;
  vectorC2d<double> centre(0.0, 0.0);
  if (!circleCentreFrom3Points(p0, p1, p2, centre)) return false;
  return std::fabs((p3 - centre).length() - (p1 - centre).length()) <= tolerance;
}

// A run is worked off from a start point onward. Points before `kept` are final; the points
// still to classify are those from `next` on, so absorbing a point is a step of `next`, and the
// final points are moved down as they are kept, which keeps the whole pass linear.
void classifyPointRuns(point2dArrayC& points, intArrayC& codes, double tolerance) {
  codes.elementCount = 0;
  const uint32_t count = points.elementCount;
  pageMemReserveElements(codes, count);
  uint32_t kept = 0;
  uint32_t next = 0;
  auto code = [&codes](int value) { *codes.newElement() = value; };
  auto keep = [&points, &kept](const vectorC2d<double>& p) { points[kept++] = p; };
  for (;;) {
    if (count - next < 4) {
      // Too few points left to tell an arc: each starts a line.
      while (next < count) {
        keep(points[next++]);
        code(0);
      }
      break;
    }
    if (isOnCircleOf3(points[next], points[next + 1], points[next + 2], points[next + 3], tolerance)) {
      // An arc from start through second; end is its last point so far, the point after it is
      // tested next, and every point passed on the way is absorbed.
      const vectorC2d<double> start = points[next];
      const vectorC2d<double> second = points[next + 1];
      uint32_t end = next + 3;
      bool closed = false;
      while (end + 1 < count) {
        if (closesOn(points[end + 1], start)) {
          closed = true;
          break;
        }
        if (!isOnCircleOf3(start, second, points[end], points[end + 1], tolerance)) break;
        ++end;
      }
      keep(start);
      keep(second);
      if (closed) {
        // A full circle: the run's last point goes, and nothing after it is classified.
        for (uint32_t i = end; i + 1 < count; ++i) keep(points[i]);
        code(2);
        code(2);
        break;
      }
      code(1);
      code(1);
      next = end;
      continue;
    }
    if (codes.elementCount > 0 && codes[codes.elementCount - 1] == 0 &&
        dot(unit(points[next + 1] - points[next]), unit(points[next] - points[kept - 1])) > 1.0 - tolerance / 100.0) {
      // The line before runs on in the same direction: it ends at the next point instead.
      ++next;
      continue;
    }
    keep(points[next++]);
    code(0);
  }
  points.elementCount = kept;
}

int reducePointsToPrimitives(point2dArrayC& points, double tolerance, mShapeList2dC& out) {
  metaTreeC* list = out.getNode();
  if (!list) return 0;
  dropNonFinite(points);
  intArrayC codes;
  classifyPointRuns(points, codes, tolerance);
  metaTreeC* tail = list->firstChild ? metaTreeC::lastSibling(list->firstChild) : nullptr;
  int made = 0;
  for (int i = 0; i < int(codes.elementCount) - 1; ++made) {
    const vectorC2d<double>& p = points[uint32_t(i)];
    if (codes[uint32_t(i)] == 0) {
      mBaseLine2dC line = mBaseLine2dC::createNew();
      line.appendPoint2d(p.x, p.y);
      line.appendPoint2d(points[uint32_t(i) + 1].x, points[uint32_t(i) + 1].y);
      linkAtEnd(line, list, tail);
      i += 1;
    } else if (codes[uint32_t(i)] == 2) {
      mBaseCircle2dC circle = mBaseCircle2dC::createNew();
      vectorC2d<double> centre(0.0, 0.0);
      circleCentreFrom3Points(p, points[uint32_t(i) + 1], points[uint32_t(i) + 2], centre);
      circle.appendPoint2d(centre.x, centre.y);
      circle.setRadius((p - centre).length());
      linkAtEnd(circle, list, tail);
      i += 2;
    } else {
      mBaseArc2dC arc = mBaseArc2dC::createNew();
      arc.appendPoint2d(p.x, p.y);
      arc.appendPoint2d(points[uint32_t(i) + 1].x, points[uint32_t(i) + 1].y);
      arc.appendPoint2d(points[uint32_t(i) + 2].x, points[uint32_t(i) + 2].y);
      linkAtEnd(arc, list, tail);
      i += 2;
    }
  }
  return made;
}
