// The script object of a plane offset from another ("PLANE" of type "OFF_TO_PLANE"): the side
// flag, distance and reference plane of its "PARAM", in front of the members of every plane.
// Parameters that do not read (a "PARAM" without exactly three entries) count as side 0,
// distance 0 and no reference name; every put writes all three and makes the plane an
// offset plane.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dPlaneC.h"

class prxm3dOffsetPlaneC : public prxDescribedT<prxm3dOffsetPlaneC, prxm3dPlaneC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
