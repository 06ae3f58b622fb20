// What the script objects of input and output formats share: Name, Desc, Group,
// FileExtension and ToolbarBmp, each read and set as a text; a put answers the object, so
// that calls chain.
#pragma once

#include "dlliface/mFormatItemC.h"
#include "dlliface/prxDllIfaceBaseC.h"

class prxDllIfaceFmtItemC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view.
  explicit prxDllIfaceFmtItemC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
