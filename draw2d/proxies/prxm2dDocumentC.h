// The members of every 2D document's script object (drawings and figures): the conversion of
// shapes into lines, arcs and circles, and the change of the unit base.
#pragma once

#include "draw2d/proxies/prxm2dBaseC.h"
#include "docproxy/prxmDocumentC.h"

class prxm2dDocumentC : public prxmDocumentC<prxm2dBaseC> {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxm2dDocumentC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
