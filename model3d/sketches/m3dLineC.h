// A line of a sketch ("LINE"); every geometric operation is the 2D line's.
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseLine2dC.h"
#include "model3d/sketches/m3dShapeBaseC.h"

class m3dLineC : public m3dShapeBaseC, public mBaseLine2dC {
 public:
  m3dLineC() = default;
  m3dLineC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), m3dShapeBaseC(root, owns), mBaseLine2dC(root, owns) {}
  m3dLineC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dLineC(const m3dLineC& other) : metaObjectVirtualDataBaseC(other), m3dShapeBaseC(other), mBaseLine2dC(other) {}
  m3dLineC& operator=(const m3dLineC& other) {
    mBaseLine2dC::operator=(other);
    return *this;
  }

  // A new unlinked "LINE" from start to end, owned by the view when owns is set.
  static m3dLineC create(const vectorC2d<double>& start, const vectorC2d<double>& end, uint32_t owns);
};
