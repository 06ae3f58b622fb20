// The script object of one file extension of an option: Ext and Desc, each read and set as a
// text; a put answers the object, so that calls chain.
#pragma once

#include "dlliface/mDllIfaceOptFileExtC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mDllIfaceOptFileExtC> {
  static const char* get() { return "class mDllIfaceOptFileExtC"; }
};

class prxmDllIfaceOptFileExtC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view, as the list passes it.
  explicit prxmDllIfaceOptFileExtC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};

// The extensions of an option type or option.
using prxmDllIfaceOptFileExtListC = prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptFileExtC, mDllIfaceOptFileExtC>;
