// The script object of a shape's attributes ("SHAPEATTR"): its type, width and cosmetic flag,
// each the stored number truncated toward zero, read-only, in front of the members of every
// shape object.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"

class prxmShapeAttr2dC : public prxmShapeBase2dC {
 public:
  static constexpr const char* classKey = "SHAPEATTR";

  // Takes any meta object: shares the node of a view; an owning source is deep-copied.
  explicit prxmShapeAttr2dC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
