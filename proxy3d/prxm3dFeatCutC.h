// The script object of a cut feature ("CUT"), one that removes material: a body feature.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dFeatBodyC.h"

class prxm3dFeatCutC : public prxDescribedT<prxm3dFeatCutC, prxm3dFeatBodyC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
