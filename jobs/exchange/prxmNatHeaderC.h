// The script object of a check-in/out record (CHECKINOUT): its global header (GlobalHeader)
// and its root document (RootDocument), an untyped native document that toCheckinDocument or
// toCheckoutDocument turn into the typed one over the same node. The RootDocument method adds
// a further child of the key word it is given.
#pragma once

#include <cstdint>

#include "jobs/exchange/prxmNatBaseC.h"

class prxmNatHeaderC : public prxmNatBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatHeaderC(const metaObjectC& source) : prxmNatBaseC(source) { setClass(description); }
  prxmNatHeaderC(metaTreeC* node, uint32_t owns) : prxmNatBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
