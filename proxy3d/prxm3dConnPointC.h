// The script object of a connection point ("CONNPOINT"): its name and its frame. Both are
// read-only here; the frame changes through the matrix object's columns.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dBaseC.h"

class prxm3dConnPointC : public prxDescribedT<prxm3dConnPointC, prxm3dBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
