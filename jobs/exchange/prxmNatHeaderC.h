// The script object of a check-in/out record (CHECKINOUT): its global header (GlobalHeader)
// and its root document (RootDocument), an untyped native document that toCheckinDocument or
// toCheckoutDocument turn into the typed one over the same node. The RootDocument method adds
// a further child of the key word it is given.
#pragma once

#include "jobs/exchange/prxmNatBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmNatHeaderC : public prxDescribedT<prxmNatHeaderC, prxmNatBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
