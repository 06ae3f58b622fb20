// The script object of a body ("BODY") of a part: the members of every feature.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dGenFeatureC.h"

class prxm3dBodyC : public prxDescribedT<prxm3dBodyC, prxm3dGenFeatureC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
