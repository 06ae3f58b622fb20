// One crossing of a cut line with a loop: where, and the loop's index in its piece (-1 unset).
#pragma once

#include <cstdint>

#include "geom/vectorC2d.h"

struct RIIntersectionStruct {
  vectorC2d<double> point;
  int32_t loop = -1;
};
