// The curve part of an interpolated curve: a view whose children are the curve's points. It
// adds no data and no operation; the 2D curve shares its node.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class mBaseIntCrvC : public metaObjectC {
 public:
  mBaseIntCrvC() = default;
  mBaseIntCrvC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}
  mBaseIntCrvC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  mBaseIntCrvC(const mBaseIntCrvC& other) : metaObjectVirtualDataBaseC(other), metaObjectC(other) {}
  mBaseIntCrvC& operator=(const mBaseIntCrvC& other) = default;
};
