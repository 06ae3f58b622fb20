// The script object of an arc ("ARC"): its stored start, intermediate and end points, live,
// and the values derived from them (centre, radius, angles in degrees, direction, swept
// angle), in front of the members of every shape object. "CenterPoint" is the stored point
// between start and end; "MiddlePoint" is the centre, a detached vector.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"

class prxmArc2dC : public prxmShapeBase2dC {
 public:
  // Takes any meta object: shares the node of a view; an owning source is deep-copied.
  explicit prxmArc2dC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
