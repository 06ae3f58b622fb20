// The script object of an extended attribute holding a string: its Value
// members in front of the entry members and the common ones.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxmExtAttrListEntryC.h"

class prxmExtAttrListEntryStrC : public prxDescribedT<prxmExtAttrListEntryStrC, prxmExtAttrListEntryC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
