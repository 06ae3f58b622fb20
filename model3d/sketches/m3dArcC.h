// An arc of a sketch ("ARC"); every geometric operation is the 2D arc's.
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseArc2dC.h"
#include "model3d/sketches/m3dShapeBaseC.h"

class m3dArcC : public m3dShapeBaseC, public mBaseArc2dC {
 public:
  m3dArcC() = default;
  m3dArcC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), m3dShapeBaseC(root, owns), mBaseArc2dC(root, owns) {}
  m3dArcC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dArcC(const m3dArcC& other) : metaObjectVirtualDataBaseC(other), m3dShapeBaseC(other), mBaseArc2dC(other) {}
  m3dArcC& operator=(const m3dArcC& other) {
    mBaseArc2dC::operator=(other);
    return *this;
  }

  // A new unlinked "ARC" through start, mid (a point between the ends) and end, owned by the
  // view when owns is set.
  static m3dArcC create(const vectorC2d<double>& start, const vectorC2d<double>& mid, const vectorC2d<double>& end,
                        uint32_t owns);
};
