// The script object of the part every native document shares: the CAD identifier (CadIdent),
// the identifier (MIdent) and the CAD system (CadFormat, stored under CADSYSTEM), each read and
// set as a text; a put answers the document, so that calls chain. The upgrade document is one
// as it is; check-out and check-in documents build on it.
#pragma once

#include <cstdint>

#include "jobs/exchange/prxmNatBaseC.h"

class prxmNatDocumentBaseRootC : public prxmNatBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatDocumentBaseRootC(const metaObjectC& source) : prxmNatBaseC(source) { setClass(description); }
  prxmNatDocumentBaseRootC(metaTreeC* node, uint32_t owns) : prxmNatBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
