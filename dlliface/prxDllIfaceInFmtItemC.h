// The script object of the input format of an input/output pair: the members of every format.
#pragma once

#include "dlliface/prxDllIfaceFmtItemC.h"

class prxDllIfaceInFmtItemC : public prxDllIfaceFmtItemC {
 public:
  // Shares the source's node when the source is a view, as the pair passes it.
  explicit prxDllIfaceInFmtItemC(const metaObjectC& source) : prxDllIfaceFmtItemC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
