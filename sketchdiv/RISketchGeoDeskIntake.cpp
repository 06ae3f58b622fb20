// The desk's intake: the loops of a sketch as engine records, read without changing the sketch.
#include <cmath>

#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "model3d/sketches/m3dArcC.h"
#include "model3d/sketches/m3dCircleC.h"
#include "sketchdiv/RISketchGeoDesk.h"

namespace {

constexpr const char* pointKey = "POINT";

uint32_t countChildren(const metaTreeC* node, const char* key) {
  uint32_t count = 0;
  for (const metaTreeC* child = node->firstChild; child; child = child->next)
    if (child->hasKeyword(key)) ++count;
  return count;
}

// Reads the shape through a view of viewT. A view adds the children it reads and finds
// missing, so a shape that lacks one is read from a scratch copy.
template <class viewT, class readT>
void readShape(metaTreeC* shape, bool complete, readT read) {
  if (complete) {
    viewT view(shape, 0);
    read(view);
    return;
  }
  metaObjectC scratch(metaTreeC::deepCopyNode(shape), 1);
  viewT view(scratch.getNode(), 0);
  read(view);
}

// Whether every number the shape's values hold (its points, its radius) is finite.
bool holdsFiniteValues(const metaTreeC* shape) {
  for (const metaTreeC* child = shape->firstChild; child; child = child->next)
    for (const metaTreeC* value = child->firstChild; value; value = value->next)
      if (value->value.isDouble() && !std::isfinite(value->value.getDouble())) return false;
  return true;
}

// False at the first shape holding a value that is not finite.
bool takeLoop(metaTreeC* loopNode, RISketchGeoLoop& loop, int32_t& identity) {
  for (metaTreeC* shape = loopNode->firstChild; shape; shape = shape->next) {
    const bool curve = shape->hasKeyword("LINE") || shape->hasKeyword("ARC") || shape->hasKeyword("CIRCLE");
    if (curve && !holdsFiniteValues(shape)) return false;
    if (shape->hasKeyword("LINE")) {
      const metaTreeC* start = nullptr;
      const metaTreeC* end = nullptr;
      for (const metaTreeC* child = shape->firstChild; child && !end; child = child->next)
        if (child->hasKeyword(pointKey)) (start ? end : start) = child;
      loop.addLine(readNodePoint2d(start), readNodePoint2d(end), identity++);
    } else if (shape->hasKeyword("ARC")) {
      readShape<m3dArcC>(shape, countChildren(shape, pointKey) >= 3,
                         [&](m3dArcC& arc) { loop.addArc(arc, identity++); });
    } else if (shape->hasKeyword("CIRCLE")) {
      const bool complete = countChildren(shape, pointKey) > 0 && countChildren(shape, "RAD") > 0;
      readShape<m3dCircleC>(shape, complete, [&](m3dCircleC& circle) { loop.addCircle(circle, identity++); });
    }
  }
  return true;
}

bool isFinite(const vectorC2d<double>& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Whether the engine can work with the loops: finite curves in a box whose sides and area
// are finite numbers.
bool isDivisible(RISketchManager& manager) {
  for (uint32_t i = 0; i < manager.loopCount(); ++i) {
    RISketchGeoLoop& loop = *manager.loopAt(i);
    for (uint32_t k = 0; k < loop.lineCount(); ++k) {
      const RISketchGeoLine& line = *loop.lineAt(k);
      if (!isFinite(line.start) || !isFinite(line.end)) return false;
    }
    for (uint32_t k = 0; k < loop.arcCount(); ++k) {
      const RISketchGeoArc& arc = *loop.arcAt(k);
      if (!isFinite(arc.centre) || !std::isfinite(arc.radius) || !std::isfinite(arc.startAngle) ||
          !std::isfinite(arc.endAngle) || !isFinite(arc.startPoint) || !isFinite(arc.midPoint) ||
          !isFinite(arc.endPoint))
        return false;
    }
  }
  const RISketchBoundingBox box = manager.getBoundingBox();
  return std::isfinite(box.width()) && std::isfinite(box.height()) && std::isfinite(box.width() * box.height());
}

}  // namespace

bool RISketchGeoDesk::addSketch(m3dSketchC& sketch) {
  RISketchManager manager;
  int32_t identity = 0;
  metaTreeC* node = sketch.getNode();
  for (metaTreeC* child = node ? node->firstChild : nullptr; child; child = child->next) {
    if (!child->hasKeyword(m3dLoopC::classKey)) continue;
    RISketchGeoLoop loop;
    loop.setEps(sketchEps);
    if (!takeLoop(child, loop, identity)) return false;
    manager.addLoop(loop);
  }
  if (!isDivisible(manager)) return false;
  sketches.append(manager);
  return true;
}

bool RISketchGeoDesk::addSketchesOf(m3dPartC& part) {
  metaTreeC* items = part.getItems().getNode();
  for (metaTreeC* item = items ? items->firstChild : nullptr; item; item = item->next) {
    if (!item->hasKeyword(m3dSketchC::classKey)) continue;
    m3dSketchC sketch(item, 0);
    addSketch(sketch);
  }
  return true;
}
