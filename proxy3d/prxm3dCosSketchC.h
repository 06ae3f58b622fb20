// The script object of a part's cosmetic sketch ("COSSKETCH"): only the members every 3D
// object has; scripts read and change it through its tree.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dBaseC.h"

class prxm3dCosSketchC : public prxDescribedT<prxm3dCosSketchC, prxm3dBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
