// The script object of a native document for a check-out: every member of the native
// document, the norm identifier (NormIdent) and project path (PrjDir, stored under PRJPATH) as
// texts and the list of wanted files (WantFileSet).
#pragma once

#include <cstdint>

#include "jobs/exchange/prxmNatDocumentBaseC.h"

class prxmNatCheckoutDocumentC : public prxmNatDocumentBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatCheckoutDocumentC(const metaObjectC& source) : prxmNatDocumentBaseC(source) { setClass(description); }
  prxmNatCheckoutDocumentC(metaTreeC* node, uint32_t owns) : prxmNatDocumentBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
