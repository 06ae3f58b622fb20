// The script object of a base plane ("PLANE" of type "XY", "ZX" or "YZ"): its name, in front
// of the members of every plane.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dPlaneC.h"

class prxm3dBasePlaneC : public prxDescribedT<prxm3dBasePlaneC, prxm3dPlaneC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
