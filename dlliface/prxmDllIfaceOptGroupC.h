// The script object of one option group: Id and Desc as texts, and its logical position
// (LogPos) and size (LogSize) as point objects over the group's own numbers, read-only
// properties whose points are changed through x and y.
#pragma once

#include "dlliface/mDllIfaceOptGroupC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mDllIfaceOptGroupC> {
  static const char* get() { return "class mDllIfaceOptGroupC"; }
};

class prxmDllIfaceOptGroupC : public prxDescribedT<prxmDllIfaceOptGroupC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The groups of an option page.
using prxmDllIfaceOptGroupListC = prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptGroupC, mDllIfaceOptGroupC>;
