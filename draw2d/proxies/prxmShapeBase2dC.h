// The script object of any 2D shape (an item of a figure's shape list): its conversion into
// lines, arcs and circles, in front of the members common to every stored object. The 2D
// factory's conversions turn it into the typed shape objects, which build on it.
#pragma once

#include "proxy/prxMetaObjectBaseC.h"

class prxmShapeBase2dC : public prxMetaObjectBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxmShapeBase2dC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
