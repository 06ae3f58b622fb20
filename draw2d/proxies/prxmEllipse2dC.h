// The script object of a full ellipse ("ELLIPSE"): the members of every ellipse, none of its
// own.
#pragma once

#include "draw2d/proxies/prxmEllipseCore2dC.h"

class prxmEllipse2dC : public prxmEllipseCore2dC {
 public:
  // Takes any meta object: shares the node of a view; an owning source is deep-copied.
  explicit prxmEllipse2dC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
