// The script object of a plug-in's interface description: who the plug-in is (Info) and the
// conversions it offers (IOPairs), both read-only properties.
#pragma once

#include "dlliface/mDllIfaceC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"

class prxDllIfaceC : public prxDescribedT<prxDllIfaceC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
