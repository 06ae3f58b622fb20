// The script object of an interpolated curve ("ICRV2D"): the number of its points, a point by
// its index among the POINT children, and the list of all its children as point objects, the
// one way to edit the curve; in front of the members of every shape object.
#pragma once

#include "docproxy/prxm2dPointC.h"
#include "draw2d/proxies/prxmShapeBase2dC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListContainerTemplateC.h"

// The list of a curve's children, each handed out as a point object.
using prxm2dPointListC = prxmObjListContainerTemplateC<prxm2dPointC>;

class prxmICrv2dC : public prxDescribedT<prxmICrv2dC, prxmShapeBase2dC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
