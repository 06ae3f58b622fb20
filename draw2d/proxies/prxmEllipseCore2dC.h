// The members of the script objects of ellipses and elliptic arcs, all read-only: the centre
// as a detached vector, the radii, the turn of the major axis in degrees, their ratio, and the
// ends and directions of both semi-axes; in front of the members of every shape object.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"

class prxmEllipseCore2dC : public prxmShapeBase2dC {
 public:
  // Takes any meta object: shares the node of a view; an owning source is deep-copied.
  explicit prxmEllipseCore2dC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
