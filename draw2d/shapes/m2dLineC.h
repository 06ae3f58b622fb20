// The line of a 2D figure: a "LINE" with the figure-item part; every geometric operation is
// the line's.
#pragma once

#include <cstdint>

#include "draw2d/shapes/m2dShapeBaseC.h"
#include "draw2d/shapes/mBaseLine2dC.h"

class m2dLineC : public m2dShapeBaseC, public mBaseLine2dC {
 public:
  using m2dShapeBaseC::m2dShapeBaseC;
  m2dLineC(const m2dLineC& other) = default;
  m2dLineC& operator=(const m2dLineC& other) {
    mBaseLine2dC::operator=(other);
    return *this;
  }
};
