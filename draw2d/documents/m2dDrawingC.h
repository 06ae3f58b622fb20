// A 2D drawing ("DRAWING"): its figures ("DRAWINGITEMS", whose FIGURE children are the
// drawing's figures), preferences ("DRAWINGPREFS", whose "UNITBASE" is the drawing's unit
// base), attributes ("DRWATTR") and, under "SETTINGS" > "DXFSETTINGS", its DXF insert point.
// Accessors create missing children.
#pragma once

#include <cstdint>

#include "docproxy/mDocumentPrefsC.h"
#include "draw2d/documents/m2dDocumentC.h"

class m2dDrawingC : public m2dDocumentC {
 public:
  static constexpr const char* classKey = "DRAWING";
  // Drawings nested deeper than this inside one another's DRAWINGITEMS convert nothing, so
  // that a tree a script built deeper than any file can be does not exhaust the stack.
  static constexpr int maxNestedDrawings = 1000;

  using m2dDocumentC::m2dDocumentC;

  // The sum over the children of DRAWINGITEMS, each converting as the class of its key word
  // does (a figure in itself; a key word without a 2D document class: 0).
  int acceptShapes(int mode, const keywordListC& keywords) override;
  // When the drawing's unit base differs from unitBase: every FIGURE of DRAWINGITEMS changes
  // its own unit base, then the DXF insert point (only when SETTINGS is there) is scaled by
  // the drawing's factor and unitBase stored. When it does not, nothing changes, whatever the
  // figures' unit bases are.
  void adjustUnitBase(double unitBase) override;
  // The drawing's node, then the nodes of each FIGURE of DRAWINGITEMS.
  nodeListC collectNodes() override;

  mDocumentPrefsC getDrawingPrefs() { return mDocumentPrefsC(findOrCreateChildByKeyword("DRAWINGPREFS"), 0); }
  metaTreeC* drawingItemsNode() { return findOrCreateChildByKeyword("DRAWINGITEMS"); }
  metaTreeC* attributesNode() { return findOrCreateChildByKeyword("DRWATTR"); }
};
