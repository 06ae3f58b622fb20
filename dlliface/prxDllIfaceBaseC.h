// The base of the script objects of plug-in descriptions: their Factory is a new plug-in
// description factory, in front of the members common to every stored object.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxDllIfaceBaseC : public prxDescribedT<prxDllIfaceBaseC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
