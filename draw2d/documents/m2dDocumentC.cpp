#include "draw2d/documents/m2dDocumentC.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "core/prototypeBinding.h"
#include "core/storedUnitBase.h"
#include "draw2d/drawingRegistries.h"
#include "draw2d/documents/m2dDrawingC.h"
#include "draw2d/documents/m2dFigureC.h"

int m2dDocumentC::acceptShapes(int mode, const keywordListC& keywords) {
  return callPrototype(this, documentRegistry, 0,
                       [&](m2dDocumentC& document) { return document.acceptShapes(mode, keywords); });
}

void m2dDocumentC::adjustUnitBase(double unitBase) {
  callPrototype(this, documentRegistry, 0, [unitBase](m2dDocumentC& document) {
    document.adjustUnitBase(unitBase);
    return 0;
  });
}

nodeListC m2dDocumentC::collectNodes() {
  return callPrototype(this, documentRegistry, nodeListC(), [](m2dDocumentC& document) { return document.collectNodes(); });
}

namespace {

const metaTreeC* childWithKeyword(const metaTreeC* node, const char* key) {
  for (const metaTreeC* child = node ? node->firstChild : nullptr; child; child = child->next)
    if (child->hasKeyword(key)) return child;
  return nullptr;
}

bool factorSound(const metaTreeC* document, const char* prefsKey, double unitBase) {
  const double current = storedUnitBase(childWithKeyword(document, prefsKey));
  return current == unitBase || unitBaseFactor(current, unitBase) != 0.0;
}

}  // namespace

double unitBaseFactor(double current, double unitBase) {
  const double factor = current / unitBase;
  return std::isfinite(factor) ? factor : 0.0;
}

double unitBaseChangeFactor(double stored, double unitBase) {
  const double current = countedUnitBase(stored);
  return current == unitBase ? 0.0 : unitBaseFactor(current, unitBase);
}

bool unitBaseChangeIsSound(const metaTreeC* document, double unitBase) {
  if (!std::isfinite(unitBase) || !(unitBase > 0.0)) return false;
  if (!document) return true;
  if (document->hasKeyword(m2dFigureC::classKey)) return factorSound(document, "FIGUREPREFS", unitBase);
  if (!document->hasKeyword(m2dDrawingC::classKey)) return true;
  if (storedUnitBase(childWithKeyword(document, "DRAWINGPREFS")) == unitBase) return true;
  if (!factorSound(document, "DRAWINGPREFS", unitBase)) return false;
  const metaTreeC* figures = childWithKeyword(document, "DRAWINGITEMS");
  for (const metaTreeC* figure = figures ? figures->firstChild : nullptr; figure; figure = figure->next)
    if (figure->hasKeyword(m2dFigureC::classKey) && !factorSound(figure, "FIGUREPREFS", unitBase)) return false;
  return true;
}
