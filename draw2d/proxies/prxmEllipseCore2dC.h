// The members of the script objects of ellipses and elliptic arcs, all read-only: the centre
// as a detached vector, the radii, the turn of the major axis in degrees, their ratio, and the
// ends and directions of both semi-axes; in front of the members of every shape object.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"
#include "proxy/prxDescribedT.h"

class prxmEllipseCore2dC : public prxDescribedT<prxmEllipseCore2dC, prxmShapeBase2dC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
