// The script object of a native document for a check-in: every member of the native document;
// the previews (Preview3D, Preview), the extension (Extension), the default table file
// (DefTableFile, stored under DEFTABFILE) and the setting for previews made of views
// (AutoCreatePreviewFromView) as texts; the 3D flag (Show3D) as an integer; the variable table
// (VarTable), the variable descriptions (VarSet) and the variants (VariantList); and the lists
// of used and wanted files, bitmaps, view names and views bitmaps are made of.
#pragma once

#include <cstdint>

#include "jobs/exchange/prxmNatDocumentBaseC.h"

class prxmNatCheckinDocumentC : public prxmNatDocumentBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatCheckinDocumentC(const metaObjectC& source) : prxmNatDocumentBaseC(source) { setClass(description); }
  prxmNatCheckinDocumentC(metaTreeC* node, uint32_t owns) : prxmNatDocumentBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
