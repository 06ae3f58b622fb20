// The script object of a figure of a 2D drawing ("FIGURE"): whether it is a group, its view
// number, and its shapes, insert point, hatches, preferences and attributes, each a new
// object over the child (made when missing) that shares the figure's tree.
#pragma once

#include "draw2d/proxies/prxm2dDocumentC.h"

class prxm2dFigureC : public prxm2dDocumentC {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxm2dFigureC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
