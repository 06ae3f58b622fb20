// The script object of a plug-in's interface description: who the plug-in is (Info) and the
// conversions it offers (IOPairs), both read-only properties.
#pragma once

#include <cstdint>

#include "dlliface/mDllIfaceC.h"
#include "dlliface/prxDllIfaceBaseC.h"

class prxDllIfaceC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxDllIfaceC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }
  prxDllIfaceC(metaTreeC* node, uint32_t owns) : prxDllIfaceBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
