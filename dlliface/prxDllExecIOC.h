// The script object of the record of one plug-in call: Name, Version, OutputLocation and
// ResponseText as texts (a put answers the object), ReceiverID to read, the input and output
// data (InputData, OutputData) and the custom data (CustomData). Reading the data gives an
// object over the record's own tree; writing it stores a copy of the tree of the object given
// and answers 1. A value that is no object is not taken: the write fails as for a value of the
// wrong type and nothing changes.
#pragma once

#include <cstdint>

#include "dlliface/mDllExecIOC.h"
#include "dlliface/prxDllIfaceBaseC.h"

class prxDllExecIOC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxDllExecIOC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }
  prxDllExecIOC(metaTreeC* node, uint32_t owns) : prxDllIfaceBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
