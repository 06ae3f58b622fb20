// The script object of one file extension of an option: Ext and Desc, each read and set as a
// text; a put answers the object, so that calls chain.
#pragma once

#include "dlliface/mDllIfaceOptFileExtC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mDllIfaceOptFileExtC> {
  static const char* get() { return "class mDllIfaceOptFileExtC"; }
};

class prxmDllIfaceOptFileExtC : public prxDescribedT<prxmDllIfaceOptFileExtC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The extensions of an option type or option.
using prxmDllIfaceOptFileExtListC = prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptFileExtC, mDllIfaceOptFileExtC>;
