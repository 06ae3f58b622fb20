// The script object of an assembly's mate (a child of "MATES"): the two members and connection
// points it ties, the member paths of its two ends, its value and whether the connection
// points' Z axes face each other. Ends that do not resolve give objects over nothing, never an
// error.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dBaseC.h"

class prxm3dAsmMateC : public prxDescribedT<prxm3dAsmMateC, prxm3dBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
