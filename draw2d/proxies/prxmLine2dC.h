// The script object of a line ("LINE"): its start and end points, live, in front of the
// members of every shape object.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"

class prxmLine2dC : public prxmShapeBase2dC {
 public:
  // Takes any meta object: shares the node of a view; an owning source is deep-copied.
  explicit prxmLine2dC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
