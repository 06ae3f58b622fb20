// The script object of a variable table (a VARSETTABLE node): its lines (Lines), each a set of
// variable values.
#pragma once

#include <cstdint>

#include "jobs/exchange/prxmNatBaseC.h"

class prxmNatVarTableC : public prxmNatBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatVarTableC(const metaObjectC& source) : prxmNatBaseC(source) { setClass(description); }
  prxmNatVarTableC(metaTreeC* node, uint32_t owns) : prxmNatBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
