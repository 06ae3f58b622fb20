// The script object of a circle ("CIRCLE"): its centre, live ("MiddlePoint"), and its radius,
// both settable, in front of the members of every shape object.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"

class prxmCircle2dC : public prxmShapeBase2dC {
 public:
  // Takes any meta object: shares the node of a view; an owning source is deep-copied.
  explicit prxmCircle2dC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
