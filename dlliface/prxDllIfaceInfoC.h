// The script object of who a plug-in is: Name, Version, Desc and Date, each read and set as a
// text; a put answers the object, so that calls chain.
#pragma once

#include "dlliface/mDllIfaceInfoC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"

class prxDllIfaceInfoC : public prxDescribedT<prxDllIfaceInfoC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
