#include "draw2d/documents/m2dFigureC.h"

#include <cmath>
#include <cstring>

#include "core/metaTreeC.h"
#include "core/propertyValuePut.h"
#include "draw2d/documents/m2dHatchC.h"
#include "draw2d/shapes/mShapeList2dC.h"
#include "core/pointNodeValues.h"

namespace {

constexpr double conversionStep = 0.01;
constexpr double conversionTolerance = 1e-5;

// Deletes a node that never joined a tree, unless it was handed on.
class unlinkedNodeC {
 public:
  explicit unlinkedNodeC(metaTreeC* node) : node(node) {}
  unlinkedNodeC(const unlinkedNodeC&) = delete;
  unlinkedNodeC& operator=(const unlinkedNodeC&) = delete;
  ~unlinkedNodeC() { metaTreeC::deleteTree(node); }

  metaTreeC* get() const { return node; }
  metaTreeC* release() {
    metaTreeC* handed = node;
    node = nullptr;
    return handed;
  }

 private:
  metaTreeC* node;
};

void scaleNumberChild(metaObjectVirtualDataBaseC& parent, const char* key, double factor) {
  metaObjectC child(parent.findOrCreateChildByKeyword(key), 0);
  const double scaled = child.getDouble() * factor;
  if (std::isfinite(scaled)) putPropertyDouble(child.getNode(), scaled);
}

}  // namespace

void scaleDxfInsertPoint(metaObjectVirtualDataBaseC& document, double factor) {
  if (!document.hasChild("SETTINGS")) return;
  metaObjectVirtualDataBaseC settings(document.findOrCreateChildByKeyword("SETTINGS"), 0);
  metaObjectVirtualDataBaseC dxf(settings.findOrCreateChildByKeyword("DXFSETTINGS"), 0);
  scaleNumberChild(dxf, "DXFINSERTX", factor);
  scaleNumberChild(dxf, "DXFINSERTY", factor);
}

bool m2dFigureC::isGroup() { return std::strcmp(mDocumentC::getStringAttribute("GROUP").c_str(), "YES") == 0; }

int m2dFigureC::acceptShapes(int mode, const keywordListC& keywords) {
  if (!node) return 0;
  unlinkedNodeC converted(metaTreeC::newWithKeyword("FIGURITEMS"));
  mShapeList2dC destination(converted.get(), 0);
  const int count = mShapeList2dC(figureItemsNode(), 0)
                        .convertShapeList(mode, keywords, conversionStep, conversionTolerance, destination);
  if (count == 0) return 0;
  if (hasChild("M2DHATCHES")) {
    for (metaTreeC* hatch = hatchesNode()->firstChild; hatch; hatch = hatch->next)
      if (hatch->hasKeyword(m2dHatchC::classKey)) metaObjectVirtualDataBaseC(hatch, 0).removeChild("M2DHATCHLOOPS");
  }
  removeChild("FIGURITEMS");
  appendChild(converted.release(), 0);
  return count;
}

void m2dFigureC::adjustUnitBase(double unitBase) {
  if (!node) return;
  mDocumentPrefsC prefs = getFigurePrefs();
  const double factor = unitBaseChangeFactor(prefs.getUnitBase(), unitBase);
  if (factor == 0.0) return;

  mShapeList2dC(figureItemsNode(), 0).forEachShapeScale(factor);
  scaleNodeValues(metaObjectVirtualDataBaseC(insertPointNode(), 0).findOrCreateChildByKeyword("POINT"), factor);
  scaleDxfInsertPoint(*this, factor);
  if (hasChild("M2DHATCHES")) {
    for (metaTreeC* hatch = hatchesNode()->firstChild; hatch; hatch = hatch->next)
      if (hatch->hasKeyword(m2dHatchC::classKey)) m2dHatchC(hatch, 0).scale(factor);
  }
  prefs.setUnitBase(unitBase);
}

nodeListC m2dFigureC::collectNodes() {
  nodeListC nodes;
  if (node) *nodes.newElement() = node;
  return nodes;
}
