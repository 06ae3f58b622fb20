// The script object of an upgrade record (UPGRADE): the document to upgrade (RootDocument).
#pragma once

#include "jobs/exchange/prxmNatBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmNatUpgradeHeaderC : public prxDescribedT<prxmNatUpgradeHeaderC, prxmNatBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
