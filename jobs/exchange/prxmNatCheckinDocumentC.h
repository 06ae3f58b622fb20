// The script object of a native document for a check-in: every member of the native document;
// the previews (Preview3D, Preview), the extension (Extension), the default table file
// (DefTableFile, stored under DEFTABFILE) and the setting for previews made of views
// (AutoCreatePreviewFromView) as texts; the 3D flag (Show3D) as an integer; the variable table
// (VarTable), the variable descriptions (VarSet) and the variants (VariantList); and the lists
// of used and wanted files, bitmaps, view names and views bitmaps are made of.
#pragma once

#include "jobs/exchange/prxmNatDocumentBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmNatCheckinDocumentC : public prxDescribedT<prxmNatCheckinDocumentC, prxmNatDocumentBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
