// The script object of a circle ("CIRCLE"): its centre, live ("MiddlePoint"), and its radius,
// both settable, in front of the members of every shape object.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"
#include "proxy/prxDescribedT.h"

class prxmCircle2dC : public prxDescribedT<prxmCircle2dC, prxmShapeBase2dC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
