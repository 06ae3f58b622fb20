// The corners of a list's bounding rectangle, computed at the first request and kept: the
// list proxies answer the rectangle as it was then, whatever changes later.
#pragma once

#include <cstdint>

#include "geom/vectorC2d.h"

class boundRectCacheC {
 public:
  // compute(min, max) fills both corners; it runs once.
  template <class computeT>
  const vectorC2d<double>& getCorner(bool maximum, computeT&& compute) {
    if (!computed) {
      compute(minCorner, maxCorner);
      computed = 1;
    }
    return maximum ? maxCorner : minCorner;
  }

 private:
  vectorC2d<double> minCorner;
  vectorC2d<double> maxCorner;
  uint8_t computed = 0;
};
