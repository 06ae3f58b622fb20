// The script object of the part every native document shares: the CAD identifier (CadIdent),
// the identifier (MIdent) and the CAD system (CadFormat, stored under CADSYSTEM), each read and
// set as a text; a put answers the document, so that calls chain. The upgrade document is one
// as it is; check-out and check-in documents build on it.
#pragma once

#include "jobs/exchange/prxmNatBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmNatDocumentBaseRootC : public prxDescribedT<prxmNatDocumentBaseRootC, prxmNatBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
