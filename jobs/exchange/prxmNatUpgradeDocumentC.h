// The script object of the document of an upgrade record: the shared members of a native
// document (prxmNatDocumentBaseRootC), its list of used files (UsedFileSet), its variable table
// (VarTable) and its variants (VariantList); none of the members a check-out or check-in adds.
#pragma once

#include "jobs/exchange/prxmNatDocumentBaseRootC.h"
#include "proxy/prxDescribedT.h"

class prxmNatUpgradeDocumentC : public prxDescribedT<prxmNatUpgradeDocumentC, prxmNatDocumentBaseRootC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
