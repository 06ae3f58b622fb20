// The script object of an extended attribute holding a number: its Value
// members in front of the entry members and the common ones.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxmExtAttrListEntryC.h"

class prxmExtAttrListEntryValC : public prxDescribedT<prxmExtAttrListEntryValC, prxmExtAttrListEntryC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
