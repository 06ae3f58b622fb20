// The base of the script objects of variables, values and descriptions alike: the name
// (Name) as a text and the deleted flag (Deleted) as an integer; a put answers the variable,
// so that calls chain. No factory makes one as it is.
#pragma once

#include <cstdint>

#include "jobs/exchange/prxmNatBaseC.h"

class prxmNatVarBaseC : public prxmNatBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatVarBaseC(const metaObjectC& source) : prxmNatBaseC(source) { setClass(description); }
  prxmNatVarBaseC(metaTreeC* node, uint32_t owns) : prxmNatBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
