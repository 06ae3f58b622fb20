#include "model3d/documents/m3dDocumentContainerC.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "model3d/assemblies/m3dAsmC.h"
#include "model3d/base/nodeAdoption.h"
#include "model3d/documents/m3dPartC.h"

int m3dDocumentContainerC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  getDocument().scale(factor);
  getMatrix().scaleTranslation(factor);
  return 1;
}

m3dDocumentC m3dDocumentContainerC::getDocument() {
  metaTreeC* document = findChild("PART");
  if (!document) document = findChild("ASSEMBLY");
  return m3dDocumentC(document, 0);
}

m3dPartC m3dDocumentContainerC::getPart() { return m3dPartC(findOrCreateChildByKeyword("PART"), 0); }

m3dAsmC m3dDocumentContainerC::getAssembly() { return m3dAsmC(findOrCreateChildByKeyword(m3dAsmC::classKey), 0); }

mObjMat4x4C m3dDocumentContainerC::getMatrix() { return mObjMat4x4C(findOrCreateChildByKeyword(mObjMat4x4C::classKey), 0); }

str m3dDocumentContainerC::getDocumentName() {
  m3dDocumentC document = getDocument();
  return document.isValid() ? document.getName() : str();
}

int m3dDocumentContainerC::replaceDocument(metaTreeC* document, uint32_t copy) {
  metaTreeC* linked = nodeToLink(document, node, copy);
  if (!linked) return 0;
  if (metaTreeC* current = getDocument().getNode()) {
    metaTreeC::unlink(current);
    ++metaTreeChangeCounter;
    metaTreeC::deleteTree(current);
  }
  appendChild(linked, 0);
  return 1;
}
