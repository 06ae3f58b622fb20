// The script object of one input/output pair of a plug-in description.
#pragma once

#include "dlliface/mIoPairC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mIoPairC> {
  static const char* get() { return "class mIoPairC"; }
};

class prxDllIfaceIOPairC : public prxDescribedT<prxDllIfaceIOPairC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The pairs of a description.
using prxDllIfaceIOPairListC = prxmObjListObjTypeContainerTemplateC<prxDllIfaceIOPairC, mIoPairC>;
