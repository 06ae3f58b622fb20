// The registry of the 2D document classes and the registrars of the drawing and the figure;
// more registrars may join it from any file of this folder. The 2D document operations look
// only here, so a node of another family's document key word is no 2D document.
#include "core/keywordRegistrarT.h"
#include "draw2d/drawingRegistries.h"
#include "draw2d/documents/m2dDrawingC.h"
#include "draw2d/documents/m2dFigureC.h"

metaObjectInterfaceListC* documentRegistry = nullptr;

namespace {

keywordRegistrarT<m2dDrawingC, m2dDocumentC> drawingRegistrar(documentRegistry, m2dDrawingC::classKey, 4);
keywordRegistrarT<m2dFigureC, m2dDocumentC> figureRegistrar(documentRegistry, m2dFigureC::classKey, 4);

}  // namespace
