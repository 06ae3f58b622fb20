// The script object of the input format of an input/output pair: the members of every format.
#pragma once

#include "dlliface/prxDllIfaceFmtItemC.h"
#include "proxy/prxDescribedT.h"

class prxDllIfaceInFmtItemC : public prxDescribedT<prxDllIfaceInFmtItemC, prxDllIfaceFmtItemC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
