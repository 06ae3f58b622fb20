#include "model3d/nurbs/nurbLoopCurve.h"

#include <cstdint>

#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/shapes/mBaseCircle2dC.h"
#include "draw2d/shapes/mBaseLine2dC.h"

namespace {

vectorC3d<double> inPlane(const vectorC2d<double>& p) { return vectorC3d<double>(p.x, p.y, 0.0); }

// The piece of one shape: false for a shape that gives none.
bool pieceOf(metaTreeC* shape, bool linesOnly, nurbCurveC& piece) {
  if (shape->hasKeyword(mBaseLine2dC::classKey)) {
    mBaseLine2dC line(shape, 0);
    const vectorC3d<double> start = inPlane(line.getStartPoint());
    const vectorC3d<double> end = inPlane(line.getEndPoint());
    if (linesOnly)
      piece.makeLine(start, end);
    else
      piece.makeQuadraticLine(start, end);
    return true;
  }
  if (shape->hasKeyword(mBaseArc2dC::classKey)) {
    mBaseArc2dC arc(shape, 0);
    double start = 0.0;
    double end = 0.0;
    arc.getAnglesAscending(start, end);
    piece.makeArc(inPlane(arc.getMiddlePoint()), vectorC3d<double>(1, 0, 0), vectorC3d<double>(0, 1, 0),
                  start / 180.0 * 3.141592653589793, end / 180.0 * 3.141592653589793, arc.getRadius());
    return true;
  }
  if (shape->hasKeyword(mBaseCircle2dC::classKey)) {
    mBaseCircle2dC circle(shape, 0);
    const vectorC2d<double> centre = circle.getMiddlePoint();
    matrixC4x4<double> frame;
    frame.ident();
    frame.values[12] = centre.x;
    frame.values[13] = centre.y;
    piece.makeCircle(frame, 2.0 * circle.getRadius());
    return true;
  }
  return false;
}

}  // namespace

nurbCurveC nurbCurveFromLoop(metaTreeC* loop) {
  uint32_t shapes = 0;
  uint32_t lines = 0;
  for (metaTreeC* shape = loop ? loop->firstChild : nullptr; shape; shape = shape->next) {
    ++shapes;
    if (shape->hasKeyword(mBaseLine2dC::classKey)) ++lines;
  }
  nurbCurveC result;
  bool first = true;
  for (metaTreeC* shape = loop ? loop->firstChild : nullptr; shape; shape = shape->next) {
    nurbCurveC piece;
    // A shape that gives no piece leaves the curve empty, as a join that fails does.
    if (!pieceOf(shape, lines == shapes, piece)) piece = nurbCurveC();
    if (first) {
      result = piece;
      first = false;
    } else {
      nurbCurveC joined;
      joined.join(result, piece);
      result = joined;
    }
  }
  result.setPeriodic(1);
  return result;
}
