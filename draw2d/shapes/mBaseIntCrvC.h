// The curve part of an interpolated curve: a view whose children are the curve's points. It
// adds no data and no operation; the 2D curve shares its node.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class mBaseIntCrvC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;
  mBaseIntCrvC(const mBaseIntCrvC& other) = default;
  mBaseIntCrvC& operator=(const mBaseIntCrvC& other) = default;
};
