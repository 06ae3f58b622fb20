// The script object of a figure's insert point ("INSERTPOINT"): its point, live, and its
// rotation, both read-only members.
#pragma once

#include "draw2d/proxies/prxm2dBaseC.h"

class prxm2dInsertPointC : public prxm2dBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxm2dInsertPointC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
