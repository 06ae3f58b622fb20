// The script object of a 2D drawing ("DRAWING"): its figure list, preferences and attributes,
// each a new object over the child (made when missing) that shares the drawing's tree.
#pragma once

#include "draw2d/proxies/prxm2dDocumentC.h"

class prxm2dDrawingC : public prxm2dDocumentC {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxm2dDrawingC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
