// The line of a 2D figure: a "LINE" with the figure-item part; every geometric operation is
// the line's.
#pragma once

#include <cstdint>

#include "draw2d/shapes/m2dShapeBaseC.h"
#include "draw2d/shapes/mBaseLine2dC.h"

class m2dLineC : public m2dShapeBaseC, public mBaseLine2dC {
 public:
  m2dLineC() = default;
  m2dLineC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), m2dShapeBaseC(root, owns), mBaseLine2dC(root, owns) {}
  m2dLineC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m2dLineC(const m2dLineC& other) : metaObjectVirtualDataBaseC(other), m2dShapeBaseC(other), mBaseLine2dC(other) {}
  m2dLineC& operator=(const m2dLineC& other) {
    mBaseLine2dC::operator=(other);
    return *this;
  }
};
