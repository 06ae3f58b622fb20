// A text of a 2D figure ("TEXT"): its "POINT" child is its position; other children are not
// interpreted. Only its position moves with a transform; every other shape operation gives
// the neutral result (no length, no box, no points, unscaled), so a text converts into
// nothing.
#pragma once

#include <cstdint>

#include "draw2d/shapes/m2dShapeBaseC.h"
#include "draw2d/shapes/mBaseShape2dC.h"

class m2dTextC : public m2dShapeBaseC, public mBaseShape2dC {
 public:
  static constexpr const char* classKey = "TEXT";

  using m2dShapeBaseC::m2dShapeBaseC;

  // The position (created when missing, (0, 0) when it holds no point) mapped as (x, y, 1):
  // 1; 0, and nothing written, when the image would not be finite.
  int transform(const matrixC3x3<double>& matrix) override;
};
