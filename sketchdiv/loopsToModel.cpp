#include "sketchdiv/loopsToModel.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "model3d/sketches/m3dArcC.h"
#include "model3d/sketches/m3dCircleC.h"
#include "model3d/sketches/m3dLineC.h"
#include "sketchdiv/RIBaseObjectChain.h"
#include "sketchdiv/RISketchCurveTally.h"
#include "sketchdiv/RISketchManager.h"

namespace {

bool isFinite(const vectorC2d<double>& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// Appends the curve's shape to the loop node; false, nothing appended, for a value that is
// not finite.
bool appendShape(metaTreeC* loopNode, const IRIBaseGeoObject& curve) {
  metaTreeC* shape = nullptr;
  if (curve.isArc()) {
    const auto& arc = static_cast<const RISketchGeoArc&>(curve);
    if (arc.isFullCircle()) {
      if (!isFinite(arc.centre) || !std::isfinite(arc.radius)) return false;
      m3dCircleC circle(metaTreeC::newWithKeyword("CIRCLE"), 0);
      circle.getMiddlePointObj().setPoint(arc.centre);
      circle.setRadius(arc.radius);
      shape = circle.getNode();
    } else {
      if (!isFinite(arc.startPoint) || !isFinite(arc.midPoint) || !isFinite(arc.endPoint)) return false;
      shape = m3dArcC::create(arc.startPoint, arc.midPoint, arc.endPoint, 0).getNode();
    }
  } else {
    const vectorC2d<double> start = curve.getStartPoint();
    const vectorC2d<double> end = curve.getEndPoint();
    if (!isFinite(start) || !isFinite(end)) return false;
    shape = m3dLineC::create(start, end, 0).getNode();
  }
  metaTreeC::appendChild(shape, loopNode);
  ++metaTreeChangeCounter;
  return true;
}

// The curves of the loop by identity, to be held against those its chain took.
RISketchCurveTally tallyOfLoop(RISketchGeoLoop& loop) {
  RISketchCurveTally tally;
  for (uint32_t i = 0; i < loop.lineCount(); ++i) tally.add(*loop.lineAt(i));
  for (uint32_t i = 0; i < loop.arcCount(); ++i) tally.add(*loop.arcAt(i));
  return tally;
}

}  // namespace

bool loopsToModel(RISketchManager& piece, sketchListT<m3dSketchC>& sketches, RISketchCurveTally* placed) {
  m3dSketchC sketch(metaTreeC::newWithKeyword(m3dSketchC::classKey), 1);
  bool whole = true;
  bool wroteLoop = false;
  for (uint32_t i = 0; i < piece.loopCount(); ++i) {
    RISketchGeoLoop& loop = *piece.loopAt(i);
    RIBaseObjectChain* head = nullptr;
    loop.buildChain(head);
    if (!head || !head->getObject()) {
      // A loop without curves gives no chain and is left out.
      delete head;
      continue;
    }
    metaTreeC* loopNode = metaTreeC::newChildWithKeyword(sketch.getNode(), m3dLoopC::classKey, -1);
    wroteLoop = true;
    RISketchCurveTally chained;
    for (RIBaseObjectChain* link = head; link; link = link->getNext()) {
      const IRIBaseGeoObject& curve = *link->getObject();
      whole = appendShape(loopNode, curve) && whole;
      chained.add(curve);
      if (placed) placed->add(curve);
    }
    whole = whole && chained.matches(tallyOfLoop(loop), loop.eps());
    delete head;
  }
  sketches.append(sketch);
  return whole && wroteLoop;
}
