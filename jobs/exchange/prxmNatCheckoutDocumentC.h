// The script object of a native document for a check-out: every member of the native
// document, the norm identifier (NormIdent) and project path (PrjDir, stored under PRJPATH) as
// texts and the list of wanted files (WantFileSet).
#pragma once

#include "jobs/exchange/prxmNatDocumentBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmNatCheckoutDocumentC : public prxDescribedT<prxmNatCheckoutDocumentC, prxmNatDocumentBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
