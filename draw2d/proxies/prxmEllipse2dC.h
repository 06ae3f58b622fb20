// The script object of a full ellipse ("ELLIPSE"): the members of every ellipse, none of its
// own.
#pragma once

#include "draw2d/proxies/prxmEllipseCore2dC.h"
#include "proxy/prxDescribedT.h"

class prxmEllipse2dC : public prxDescribedT<prxmEllipse2dC, prxmEllipseCore2dC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
