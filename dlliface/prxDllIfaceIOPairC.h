// The script object of one input/output pair of a plug-in description.
#pragma once

#include "dlliface/mIoPairC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mIoPairC> {
  static const char* get() { return "class mIoPairC"; }
};

class prxDllIfaceIOPairC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view, as the pair list passes it.
  explicit prxDllIfaceIOPairC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};

// The pairs of a description.
using prxDllIfaceIOPairListC = prxmObjListObjTypeContainerTemplateC<prxDllIfaceIOPairC, mIoPairC>;
