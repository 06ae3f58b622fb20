// The script object of the global header of a check-in/out record: the destination project
// folder (DestPrjDir) as a text; a put answers the header, so that calls chain.
#pragma once

#include <cstdint>

#include "jobs/exchange/prxmNatBaseC.h"

class prxmNatGlobalHeaderC : public prxmNatBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatGlobalHeaderC(const metaObjectC& source) : prxmNatBaseC(source) { setClass(description); }
  prxmNatGlobalHeaderC(metaTreeC* node, uint32_t owns) : prxmNatBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
