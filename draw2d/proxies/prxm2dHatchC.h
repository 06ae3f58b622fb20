// The script object of a hatch of a figure ("M2DHATCH"): the angle and the spacing of its
// lines, read and set as numbers.
#pragma once

#include "draw2d/proxies/prxm2dBaseC.h"
#include "proxy/prxDescribedT.h"

class prxm2dHatchC : public prxDescribedT<prxm2dHatchC, prxm2dBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
