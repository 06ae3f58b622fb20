// The script object of an upgrade record (UPGRADE): the document to upgrade (RootDocument).
#pragma once

#include <cstdint>

#include "jobs/exchange/prxmNatBaseC.h"

class prxmNatUpgradeHeaderC : public prxmNatBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatUpgradeHeaderC(const metaObjectC& source) : prxmNatBaseC(source) { setClass(description); }
  prxmNatUpgradeHeaderC(metaTreeC* node, uint32_t owns) : prxmNatBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
