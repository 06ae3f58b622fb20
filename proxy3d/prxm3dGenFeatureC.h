// The script object of one feature of a part, whatever its kind: its name, its neighbours in
// the part's feature list and its deletion. The typed feature objects derive from it.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dBaseC.h"

class prxm3dGenFeatureC : public prxDescribedT<prxm3dGenFeatureC, prxm3dBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
