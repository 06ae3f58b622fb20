// The script object of one option group: Id and Desc as texts, and its logical position
// (LogPos) and size (LogSize) as point objects over the group's own numbers, read-only
// properties whose points are changed through x and y.
#pragma once

#include "dlliface/mDllIfaceOptGroupC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mDllIfaceOptGroupC> {
  static const char* get() { return "class mDllIfaceOptGroupC"; }
};

class prxmDllIfaceOptGroupC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view, as the list and the page pass it.
  explicit prxmDllIfaceOptGroupC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};

// The groups of an option page.
using prxmDllIfaceOptGroupListC = prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptGroupC, mDllIfaceOptGroupC>;
