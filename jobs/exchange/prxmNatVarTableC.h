// The script object of a variable table (a VARSETTABLE node): its lines (Lines), each a set of
// variable values.
#pragma once

#include "jobs/exchange/prxmNatBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmNatVarTableC : public prxDescribedT<prxmNatVarTableC, prxmNatBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
