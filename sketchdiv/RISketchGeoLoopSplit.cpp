// The split of a loop along a vertical or horizontal cut into two loops.
#include "sketchdiv/IRILostObjectsCollector.h"
#include "sketchdiv/RILostObjectOrphanage.h"
#include "sketchdiv/RISketchGeoLoop.h"

namespace {

// Whole inside a side (with the rectangle margin) decides; else the larger overlap; equal
// overlaps go to the orphanage.
template <class Object, class ToFirst, class ToSecond, class ToOrphanage>
void distribute(sketchListT<Object>& parts, const RISketchRect& side1, const RISketchRect& side2, ToFirst toFirst,
                ToSecond toSecond, ToOrphanage toOrphanage) {
  for (uint32_t i = 0; i < parts.count(); ++i) {
    Object& part = parts[i];
    const RISketchBoundingBox box = part.getBoundingBox();
    if (box.isInside(side1)) {
      toFirst(part);
    } else if (box.isInside(side2)) {
      toSecond(part);
    } else {
      const double a1 = side1.overlapMeasure(box);
      const double a2 = side2.overlapMeasure(box);
      if (a2 < a1) toFirst(part);
      else if (a1 < a2) toSecond(part);
      else toOrphanage(part);
    }
  }
}

}  // namespace

bool RISketchGeoLoop::splitByCut(const RISketchGeoLine& cut, sketchListT<RISketchGeoLoop>& out, bool close,
                                 [[maybe_unused]] int unused, IRILostObjectsCollector* collector) const {
  RILostObjectOrphanage* orphanage = collector ? collector->getOrphanage() : nullptr;
  if (!orphanage) return false;
  // The loop itself stays as it is: its box recomputes arc points.
  RISketchGeoLoop source(*this);
  sketchPointList points;
  int count = 0;
  source.crossings(cut, points, count);
  sketchListT<RISketchGeoArc> arcParts;
  sketchListT<RISketchGeoLine> lineParts;
  for (uint32_t i = 0; i < source.arcs.count(); ++i) source.arcs[i].splitByCut(cut, arcParts);
  for (uint32_t i = 0; i < source.lines.count(); ++i) source.lines[i].splitByCut(cut, lineParts);
  const RISketchBoundingBox box = source.getBoundingBox();

  const bool vertical = cut.isVertical();
  // A cut of zero length is both; it is taken as vertical.
  if (!vertical && !cut.isHorizontal()) return true;
  RISketchRect side1 = box;
  RISketchRect side2 = box;
  RISketchGeoLoop first;
  RISketchGeoLoop second;
  if (vertical) {
    const double x = cut.start.x;
    sortPointsByY(points);
    side1.maxX = x;
    side2.minX = x;
    for (uint32_t i = 0; close && i + 1 < points.count(); i += 2) {
      RISketchGeoLine down(vectorC2d<double>(x, points[i + 1].y), vectorC2d<double>(x, points[i].y));
      RISketchGeoLine up(vectorC2d<double>(x, points[i].y), vectorC2d<double>(x, points[i + 1].y));
      first.appendLine(down);
      second.appendLine(up);
    }
  } else {
    const double y = cut.start.y;
    sortPointsByX(points);
    side1.maxY = y;
    side2.minY = y;
    for (uint32_t i = 0; close && i + 1 < points.count(); i += 2) {
      RISketchGeoLine right(vectorC2d<double>(points[i].x, y), vectorC2d<double>(points[i + 1].x, y));
      RISketchGeoLine left(vectorC2d<double>(points[i + 1].x, y), vectorC2d<double>(points[i].x, y));
      first.appendLine(right);
      second.appendLine(left);
    }
  }
  distribute(
      arcParts, side1, side2, [&first](RISketchGeoArc& arc) { first.appendArc(arc); },
      [&second](RISketchGeoArc& arc) { second.appendArc(arc); },
      [orphanage](RISketchGeoArc& arc) { orphanage->addArc(arc); });
  distribute(
      lineParts, side1, side2, [&first](RISketchGeoLine& line) { first.appendLine(line); },
      [&second](RISketchGeoLine& line) { second.appendLine(line); },
      [orphanage](RISketchGeoLine& line) { orphanage->addLine(line); });
  out.append(first);
  out.append(second);
  return true;
}
