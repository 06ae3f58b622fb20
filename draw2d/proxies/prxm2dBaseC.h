// The base of the script objects of the 2D drawing family (drawings, figures, hatches, insert
// points): their Factory is the 2D factory, in front of the members common to every stored
// object.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxm2dBaseC : public prxDescribedT<prxm2dBaseC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
