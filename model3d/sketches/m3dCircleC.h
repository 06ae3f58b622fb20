// A circle of a sketch ("CIRCLE"); every geometric operation is the 2D circle's.
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseCircle2dC.h"
#include "model3d/sketches/m3dShapeBaseC.h"

class m3dCircleC : public m3dShapeBaseC, public mBaseCircle2dC {
 public:
  m3dCircleC() = default;
  m3dCircleC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), m3dShapeBaseC(root, owns), mBaseCircle2dC(root, owns) {}
  m3dCircleC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dCircleC(const m3dCircleC& other) : metaObjectVirtualDataBaseC(other), m3dShapeBaseC(other), mBaseCircle2dC(other) {}
  m3dCircleC& operator=(const m3dCircleC& other) {
    mBaseCircle2dC::operator=(other);
    return *this;
  }
};
