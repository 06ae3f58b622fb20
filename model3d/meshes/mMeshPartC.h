// A mesh part ("MESHPART"): a point table ("MESH3DPKS"), a normal table ("MESH3DNORS"), the
// patches that refer to both by position ("MESHPATCHES"), a box ("MESHSIZE"), preferences
// ("MESHPARTPREFS") and thread records ("MESHPARTTHRS").
#pragma once

#include <cstdint>

#include "docproxy/mDocumentPrefsC.h"
#include "model3d/meshes/mMeshDocC.h"

class mMeshPartC : public mMeshDocC {
 public:
  static constexpr const char* classKey = "MESHPART";

  mMeshPartC() = default;
  mMeshPartC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), mMeshDocC(root, owns) {}

  // Points and box scaled by old / new, normals kept, and the new unit base stored; nothing
  // when the stored one equals it or the ratio is not a positive finite number.
  void setUnitBase(double newUnitBase, uint8_t flag) override;
  // Points and box moved by the matrix; normals turned by it without its translation and
  // made of length 1 (a normal that turns to length 0 or not finite keeps its value). A matrix
  // with an entry not finite changes nothing, and adds no missing child.
  void transform(const matrixC4x4<double>& matrix) override;
  // Start and end point of every thread record moved by the matrix, and its length "MPTD"
  // multiplied by the length of the image of (1, 0, 0), translation included.
  void transformThreads(const matrixC4x4<double>& matrix);

  mDocumentPrefsC getPartPrefs() { return mDocumentPrefsC(findOrCreateChildByKeyword("MESHPARTPREFS"), 0); }
};
