// The script object of one option: Group, its value as a text (StrValue) or a number (Value),
// its values as lists (Values, StrValues) and its dependencies (Deps), in front of what every
// type and option has. A put answers the object, so that calls chain.
#pragma once

#include "dlliface/mDllIfaceOptItemC.h"
#include "dlliface/prxmDllIfaceOptBaseC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mDllIfaceOptItemC> {
  static const char* get() { return "class mDllIfaceOptItemC"; }
};

class prxmDllIfaceOptItemC : public prxDescribedT<prxmDllIfaceOptItemC, prxmDllIfaceOptBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The options of a page.
using prxmDllIfaceOptItemListC = prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptItemC, mDllIfaceOptItemC>;
