// The script object of one closed loop of a sketch ("LOOP"): a list of 2D shapes with every
// member of the 2D shape lists and none of its own.
#pragma once

#include "draw2d/proxies/prxmShapesBase2dC.h"
#include "proxy/prxDescribedT.h"

class prxm3dLoopC : public prxDescribedT<prxm3dLoopC, prxmShapesBase2dC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
