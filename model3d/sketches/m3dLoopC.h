// One closed loop of a sketch ("LOOP", also a cosmetic sketch's "COSSHAPES"): 2D shapes in
// loop order, the end of each meeting the start of the next and the last meeting the first.
#pragma once

#include <cstdint>

#include "draw2d/shapes/mShapeList2dC.h"
#include "model3d/nurbs/nurbCurveC.h"

class m3dLoopC : public mShapeList2dC {
 public:
  static constexpr const char* classKey = "LOOP";

  m3dLoopC() = default;
  m3dLoopC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), mShapeList2dC(root, owns) {}
  m3dLoopC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dLoopC(const m3dLoopC& other) : metaObjectVirtualDataBaseC(other), mShapeList2dC(other) {}
  m3dLoopC& operator=(const m3dLoopC& other) = default;

  // The i-th shape, whatever its key word; an empty view when there is none.
  mBaseShape2dC getShape(int index) { return getKeyedShapeAt(*this, index); }

  // Removes the shapes not longer than epsilon, shortest first (the first of equal ones), and
  // closes each gap by moving the ends of the shapes beside it. Returns how many went; 0 and
  // nothing changed for a loop of fewer than 3 shapes, an epsilon that is negative or not a
  // number, or no shape shorter than 1e8. -1 when the loop would be left with fewer than 3
  // shapes or a shape's two neighbours are one shape: the loop then holds copies of the shapes
  // it held (views on the old ones see them detached).
  int fixLoopEpsilon(double epsilon);

  // The loop as one closed curve: lines, arcs and circles joined in loop order (lines of
  // degree 1 alone, 2 beside arcs); an empty curve when the shapes do not meet within 1e-8 or
  // the loop holds another kind of shape.
  nurbCurveC createNurbCurve();
};
