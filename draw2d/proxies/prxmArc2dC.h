// The script object of an arc ("ARC"): its stored start, intermediate and end points, live,
// and the values derived from them (centre, radius, angles in degrees, direction, swept
// angle), in front of the members of every shape object. "CenterPoint" is the stored point
// between start and end; "MiddlePoint" is the centre, a detached vector.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"
#include "proxy/prxDescribedT.h"

class prxmArc2dC : public prxDescribedT<prxmArc2dC, prxmShapeBase2dC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
