// The view of a 3D document node (a part or an assembly) with the ten document operations.
// A plain m3dDocumentC runs, for slots 2-9, the body of the class registered for the node's
// key word in the 3D document registry, and for scale and transform that of the
// geometric-operations registry; any other node gives an empty list or changes nothing.
#pragma once

#include <cstdint>

#include "core/mDocumentC.h"
#include "draw2d/documents/m2dDocumentC.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/documents/prjCenterLineDataC.h"

class m3dDocumentC : public m3dGeomOpBaseC, public mDocumentC {
 public:
  m3dDocumentC() = default;
  m3dDocumentC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns), mDocumentC(root, owns) {}
  m3dDocumentC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dDocumentC(const m3dDocumentC& other) = default;
  m3dDocumentC& operator=(const m3dDocumentC& other) = default;

  // Every "PART" node of the document, depth first (a part: itself).
  virtual nodeListC getPartNodes();
  // Every document node, pre-order (a part: itself).
  virtual nodeListC getDocumentNodes();
  // Appends to target copies of the cosmetic sketches facing the view direction (view's Z axis).
  virtual void collectCosmeticSketches(const matrixC4x4<double>& view, metaObjectC& target);
  // Appends the document's centre lines; without all only those the view classifies.
  virtual void collectCenterLines(const matrixC4x4<double>& view, centerLineListC& lines, int all);
  // Rescales the document from its stored unit base to unitBase.
  virtual void adjustDocumentUnitBase(double unitBase, int withSubDocuments);
  virtual void splitFeaturePatterns(int withSubDocuments);
  virtual void splitDoubleSideFeatures(int withSubDocuments);
  virtual void splitMultipleSweeps(int withSubDocuments);

  // Writes "PARTNR" first + i to the i-th node of getPartNodes; returns first + count - 1
  // (first - 1 for none), its low 32 bits when that leaves the 32-bit range.
  int numberParts(int first);
  // The first node of getPartNodes whose "PARTNR" (read as an integer, 0 when absent) is
  // number; null when none.
  metaTreeC* findPartByNumber(int number);
};

