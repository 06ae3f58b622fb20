// The shape list of a figure (its "FIGURITEMS"), with every member of a shape list and none
// of its own.
#pragma once

#include "draw2d/proxies/prxmShapesBase2dC.h"
#include "proxy/prxDescribedT.h"

class prxm2dFigureItemsC : public prxDescribedT<prxm2dFigureItemsC, prxmShapesBase2dC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
