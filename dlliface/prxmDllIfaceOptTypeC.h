// The script object of one option type: the members every type and option has.
#pragma once

#include "dlliface/mDllIfaceOptTypeC.h"
#include "dlliface/prxmDllIfaceOptBaseC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mDllIfaceOptTypeC> {
  static const char* get() { return "class mDllIfaceOptTypeC"; }
};

class prxmDllIfaceOptTypeC : public prxDescribedT<prxmDllIfaceOptTypeC, prxmDllIfaceOptBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The option types of a page.
using prxmDllIfaceOptTypeListC = prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptTypeC, mDllIfaceOptTypeC>;
