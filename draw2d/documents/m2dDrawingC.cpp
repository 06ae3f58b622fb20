#include "draw2d/documents/m2dDrawingC.h"

#include "core/metaTreeC.h"
#include "draw2d/documents/m2dFigureC.h"

namespace {

// How many drawings' acceptShapes are running, one inside the other.
thread_local int nestedDrawings = 0;

class nestedDrawingC {
 public:
  nestedDrawingC() { ++nestedDrawings; }
  nestedDrawingC(const nestedDrawingC&) = delete;
  nestedDrawingC& operator=(const nestedDrawingC&) = delete;
  ~nestedDrawingC() { --nestedDrawings; }
};

}  // namespace

int m2dDrawingC::acceptShapes(int mode, const keywordListC& keywords) {
  if (!node || nestedDrawings >= maxNestedDrawings) return 0;
  nestedDrawingC nesting;
  int count = 0;
  for (metaTreeC* item = drawingItemsNode()->firstChild; item; item = item->next)
    count += m2dDocumentC(item, 0).acceptShapes(mode, keywords);
  return count;
}

void m2dDrawingC::adjustUnitBase(double unitBase) {
  if (!node) return;
  mDocumentPrefsC prefs = getDrawingPrefs();
  const double factor = unitBaseChangeFactor(prefs.getUnitBase(), unitBase);
  if (factor == 0.0) return;
  for (metaTreeC* item = drawingItemsNode()->firstChild; item; item = item->next)
    if (item->hasKeyword(m2dFigureC::classKey)) m2dDocumentC(item, 0).adjustUnitBase(unitBase);
  scaleDxfInsertPoint(*this, factor);
  prefs.setUnitBase(unitBase);
}

nodeListC m2dDrawingC::collectNodes() {
  nodeListC nodes;
  if (!node) return nodes;
  *nodes.newElement() = node;
  for (metaTreeC* item = drawingItemsNode()->firstChild; item; item = item->next) {
    if (!item->hasKeyword(m2dFigureC::classKey)) continue;
    const nodeListC figureNodes = m2dDocumentC(item, 0).collectNodes();
    for (uint32_t i = 0; i < figureNodes.elementCount; ++i) *nodes.newElement() = figureNodes[i];
  }
  return nodes;
}
