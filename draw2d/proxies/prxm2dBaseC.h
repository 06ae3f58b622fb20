// The base of the script objects of the 2D drawing family (drawings, figures, hatches, insert
// points): their Factory is the 2D factory, in front of the members common to every stored
// object.
#pragma once

#include "proxy/prxMetaObjectBaseC.h"

class prxm2dBaseC : public prxMetaObjectBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxm2dBaseC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
