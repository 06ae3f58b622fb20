// The script object of the record of one plug-in call: Name, Version, OutputLocation and
// ResponseText as texts (a put answers the object), ReceiverID to read, the input and output
// data (InputData, OutputData) and the custom data (CustomData). Reading the data gives an
// object over the record's own tree; writing it stores a copy of the tree of the object given
// and answers 1. A value that is no object is not taken: the write fails as for a value of the
// wrong type and nothing changes.
#pragma once

#include "dlliface/mDllExecIOC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"

class prxDllExecIOC : public prxDescribedT<prxDllExecIOC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
