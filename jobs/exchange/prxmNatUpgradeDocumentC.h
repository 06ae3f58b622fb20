// The script object of the document of an upgrade record: the shared members of a native
// document (prxmNatDocumentBaseRootC), its list of used files (UsedFileSet), its variable table
// (VarTable) and its variants (VariantList); none of the members a check-out or check-in adds.
#pragma once

#include <cstdint>

#include "jobs/exchange/prxmNatDocumentBaseRootC.h"

class prxmNatUpgradeDocumentC : public prxmNatDocumentBaseRootC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatUpgradeDocumentC(const metaObjectC& source) : prxmNatDocumentBaseRootC(source) { setClass(description); }
  prxmNatUpgradeDocumentC(metaTreeC* node, uint32_t owns) : prxmNatDocumentBaseRootC(node, owns) {
    setClass(description);
  }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
