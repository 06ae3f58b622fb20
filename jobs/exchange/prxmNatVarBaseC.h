// The base of the script objects of variables, values and descriptions alike: the name
// (Name) as a text and the deleted flag (Deleted) as an integer; a put answers the variable,
// so that calls chain. No factory makes one as it is.
#pragma once

#include "jobs/exchange/prxmNatBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmNatVarBaseC : public prxDescribedT<prxmNatVarBaseC, prxmNatBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
