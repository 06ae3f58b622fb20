// The script object of a hatch of a figure ("M2DHATCH"): the angle and the spacing of its
// lines, read and set as numbers.
#pragma once

#include "draw2d/proxies/prxm2dBaseC.h"

class prxm2dHatchC : public prxm2dBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxm2dHatchC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
