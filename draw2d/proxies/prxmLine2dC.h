// The script object of a line ("LINE"): its start and end points, live, in front of the
// members of every shape object.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"
#include "proxy/prxDescribedT.h"

class prxmLine2dC : public prxDescribedT<prxmLine2dC, prxmShapeBase2dC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
