// A figure of a 2D drawing ("FIGURE"): its shapes ("FIGURITEMS"), hatches ("M2DHATCHES"),
// insert point ("INSERTPOINT" > "POINT", "ROTATION"), preferences ("FIGUREPREFS", whose
// "UNITBASE" is the figure's unit base), attributes ("FGRATTR"), "GROUP" (a group exactly when
// it holds the text "YES"), its view number "ANSICHTNO" and, under "SETTINGS" > "DXFSETTINGS",
// the numbers "DXFINSERTX" and "DXFINSERTY". Accessors create missing children.
#pragma once

#include <cstdint>

#include "docproxy/mDocumentPrefsC.h"
#include "draw2d/documents/m2dDocumentC.h"

class m2dFigureC : public m2dDocumentC {
 public:
  static constexpr const char* classKey = "FIGURE";

  using m2dDocumentC::m2dDocumentC;

  // The selected shapes are sampled (step 0.01) and fitted (tolerance 1e-5) into a new shape
  // list that takes the place of FIGURITEMS, as the figure's last child; the hatches lose
  // their boundary loops, which named the old shapes. Shapes not selected are copied in their
  // order; selected ones that give no line, arc or circle (texts, points) are gone. When no
  // shape was made nothing changes.
  int acceptShapes(int mode, const keywordListC& keywords) override;
  // Shapes, insert point, DXF insert point (only when SETTINGS is there), hatch spacings and
  // hatch lines are scaled by the factor of the old unit base over the new one.
  void adjustUnitBase(double unitBase) override;
  // The figure's own node.
  nodeListC collectNodes() override;

  mDocumentPrefsC getFigurePrefs() { return mDocumentPrefsC(findOrCreateChildByKeyword("FIGUREPREFS"), 0); }
  metaTreeC* figureItemsNode() { return findOrCreateChildByKeyword("FIGURITEMS"); }
  metaTreeC* hatchesNode() { return findOrCreateChildByKeyword("M2DHATCHES"); }
  metaTreeC* insertPointNode() { return findOrCreateChildByKeyword("INSERTPOINT"); }
  metaTreeC* attributesNode() { return findOrCreateChildByKeyword("FGRATTR"); }
  bool isGroup();
  int getViewNumber() { return mDocumentC::getIntAttribute("ANSICHTNO"); }
};

// DXFINSERTX and DXFINSERTY under SETTINGS > DXFSETTINGS of the document times factor (a
// missing value reads 0; a product that would not be finite is not written); nothing at all
// when the document has no SETTINGS.
void scaleDxfInsertPoint(metaObjectVirtualDataBaseC& document, double factor);
