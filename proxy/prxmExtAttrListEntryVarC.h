// The script object of an extended attribute holding a typed variable, a text and the name of
// its type: its Value and Type members in front of the entry members and the common ones.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxmExtAttrListEntryC.h"

class prxmExtAttrListEntryVarC : public prxDescribedT<prxmExtAttrListEntryVarC, prxmExtAttrListEntryC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
