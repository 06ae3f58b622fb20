// The script object of who a plug-in is: Name, Version, Desc and Date, each read and set as a
// text; a put answers the object, so that calls chain.
#pragma once

#include "dlliface/mDllIfaceInfoC.h"
#include "dlliface/prxDllIfaceBaseC.h"

class prxDllIfaceInfoC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view, as the description passes it.
  explicit prxDllIfaceInfoC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
