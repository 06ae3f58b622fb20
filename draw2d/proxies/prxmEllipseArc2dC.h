// The script object of an elliptic arc ("ELLIPSEARC"): its start and end parameter angles in
// degrees, the points of the ellipse there (detached vectors) and the swept parameter angle,
// all read-only, in front of the members of every ellipse.
#pragma once

#include "draw2d/proxies/prxmEllipseCore2dC.h"

class prxmEllipseArc2dC : public prxmEllipseCore2dC {
 public:
  // Takes any meta object: shares the node of a view; an owning source is deep-copied.
  explicit prxmEllipseArc2dC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
