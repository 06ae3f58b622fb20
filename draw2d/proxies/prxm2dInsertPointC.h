// The script object of a figure's insert point ("INSERTPOINT"): its point, live, and its
// rotation, both read-only members.
#pragma once

#include "draw2d/proxies/prxm2dBaseC.h"
#include "proxy/prxDescribedT.h"

class prxm2dInsertPointC : public prxDescribedT<prxm2dInsertPointC, prxm2dBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
