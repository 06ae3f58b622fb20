// The script object of the global header of a check-in/out record: the destination project
// folder (DestPrjDir) as a text; a put answers the header, so that calls chain.
#pragma once

#include "jobs/exchange/prxmNatBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmNatGlobalHeaderC : public prxDescribedT<prxmNatGlobalHeaderC, prxmNatBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
