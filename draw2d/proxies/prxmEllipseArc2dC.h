// The script object of an elliptic arc ("ELLIPSEARC"): its start and end parameter angles in
// degrees, the points of the ellipse there (detached vectors) and the swept parameter angle,
// all read-only, in front of the members of every ellipse.
#pragma once

#include "draw2d/proxies/prxmEllipseCore2dC.h"
#include "proxy/prxDescribedT.h"

class prxmEllipseArc2dC : public prxDescribedT<prxmEllipseArc2dC, prxmEllipseCore2dC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
