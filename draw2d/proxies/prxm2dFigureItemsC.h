// The shape list of a figure (its "FIGURITEMS"), with every member of a shape list and none
// of its own.
#pragma once

#include "draw2d/proxies/prxmShapesBase2dC.h"

class prxm2dFigureItemsC : public prxmShapesBase2dC {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxm2dFigureItemsC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
