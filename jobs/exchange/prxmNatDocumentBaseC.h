// The script object of a native document of a check-out or check-in: the shared members
// (prxmNatDocumentBaseRootC, repeated in its own table), the four default values as texts,
// its member documents (MemberSet), its current variable set (CurrentVarSet) and its user data
// (SetUserData stores a copy of another object's tree, GetUserData hands out the block).
// Check-out and check-in documents build on it; a header's root document is one as it is.
#pragma once

#include "jobs/exchange/prxmNatDocumentBaseRootC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListContainerTemplateC.h"

class prxmNatDocumentBaseC : public prxDescribedT<prxmNatDocumentBaseC, prxmNatDocumentBaseRootC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The member documents: every child of MEMBERS, whatever its key word, as a document.
using prxmNatDocumentListC = prxmObjListContainerTemplateC<prxmNatDocumentBaseC>;
