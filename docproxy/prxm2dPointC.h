// The script object of a stored 2D point (a "POINT" node of two numbers): "x" and "y" read
// and write the node, and its default member gives a detached vector of both. A point over no
// node reads (0, 0) and ignores puts. The point objects of lines, arcs, circles, curves and
// insert points are these.
#pragma once

#include "proxy/prxMetaObjectBaseC.h"

class prxm2dPointC : public prxMetaObjectBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxm2dPointC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
