// The script object of one option type: the members every type and option has.
#pragma once

#include "dlliface/mDllIfaceOptTypeC.h"
#include "dlliface/prxmDllIfaceOptBaseC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mDllIfaceOptTypeC> {
  static const char* get() { return "class mDllIfaceOptTypeC"; }
};

class prxmDllIfaceOptTypeC : public prxmDllIfaceOptBaseC {
 public:
  // Shares the source's node when the source is a view, as the list and the page pass it.
  explicit prxmDllIfaceOptTypeC(const metaObjectC& source) : prxmDllIfaceOptBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};

// The option types of a page.
using prxmDllIfaceOptTypeListC = prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptTypeC, mDllIfaceOptTypeC>;
