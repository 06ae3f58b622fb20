// The base of the script objects of plug-in descriptions: their Factory is a new plug-in
// description factory, in front of the members common to every stored object.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectBaseC.h"

class prxDllIfaceBaseC : public prxMetaObjectBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxDllIfaceBaseC(const metaObjectC& source) : prxMetaObjectBaseC(source) { setClass(description); }
  prxDllIfaceBaseC(metaTreeC* node, uint32_t owns) : prxMetaObjectBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
