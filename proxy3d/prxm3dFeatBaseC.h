// The script object of a base feature ("BASE"), one that adds material: a body feature.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dFeatBodyC.h"

class prxm3dFeatBaseC : public prxDescribedT<prxm3dFeatBaseC, prxm3dFeatBodyC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
