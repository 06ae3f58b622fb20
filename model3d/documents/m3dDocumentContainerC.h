// A node holding one document, a part ("PART") or an assembly ("ASSEMBLY"), and placing it
// by a 4x4 matrix ("MAT"): the base of assembly members and tool documents.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/base/mObjMat4x4C.h"
#include "model3d/documents/m3dDocumentC.h"

class m3dAsmC;
class m3dPartC;

class m3dDocumentContainerC : public m3dGeomOpBaseC {
 public:
  m3dDocumentContainerC() = default;
  m3dDocumentContainerC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns) {}

  // Scales the document (as the class of its key word does), then the placement's
  // translation; 1, or 0 for a factor that is not finite or an empty view.
  int scale(double factor) override;

  // A plain document view over the "PART" child, else the "ASSEMBLY" child, else empty.
  m3dDocumentC getDocument();
  bool isPartDocument() const { return hasChild("PART") != 0; }
  bool isAsmDocument() const { return hasChild("ASSEMBLY") != 0; }
  // The "PART" child, created when missing.
  m3dPartC getPart();
  // The "ASSEMBLY" child, created when missing.
  m3dAsmC getAssembly();
  // The placement, created when missing.
  mObjMat4x4C getMatrix();
  // The "NAME" of the contained document ("" without one).
  str getDocumentName();
  // Deletes the current document node and appends document last, or with copy a copy of it
  // (of the node alone) made before anything changes. Without copy a node lying in a tree,
  // or one holding the container, is refused; a node taken belongs to the tree from then on,
  // so its caller must hold no owning handle on it. 1 done; 0, nothing changing, when refused.
  int replaceDocument(metaTreeC* document, uint32_t copy);
};
