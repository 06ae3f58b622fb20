// The script object of one dependency of an option: Id and StrValue as texts, Value as a
// number; a put answers the object, so that calls chain.
#pragma once

#include "dlliface/mDllIfaceOptDepInfoC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mDllIfaceOptDepInfoC> {
  static const char* get() { return "class mDllIfaceOptDepInfoC"; }
};

class prxmDllIfaceOptDepInfoC : public prxDescribedT<prxmDllIfaceOptDepInfoC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The dependencies of an option.
using prxmDllIfaceOptDepListC = prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptDepInfoC, mDllIfaceOptDepInfoC>;
