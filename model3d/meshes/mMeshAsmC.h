// A mesh assembly ("MESHASM"): members ("MESHMEMS" of "MESHMEM"), each placing a mesh part or
// a further mesh assembly by its "MAT", a box ("MESHSIZE") and preferences ("MESHASMPREFS").
// Nested assemblies are walked with a work list, at any depth.
#pragma once

#include <cstdint>

#include "docproxy/mDocumentPrefsC.h"
#include "model3d/meshes/mMeshDocC.h"

class mMeshAsmC : public mMeshDocC {
 public:
  static constexpr const char* classKey = "MESHASM";

  mMeshAsmC() = default;
  mMeshAsmC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), mMeshDocC(root, owns) {}

  // When the stored unit base differs, each member's translation and the box are multiplied
  // by old / new (rotations kept) and the new unit base stored; then every member document
  // gets the same call, each comparing its own unit base, so a repeated call changes nothing.
  void setUnitBase(double newUnitBase, uint8_t flag) override;
  // The box moved by the matrix; each member placed by matrix × placement and its document
  // moved by the matrix; a matrix with an entry not finite changes nothing.
  void transform(const matrixC4x4<double>& matrix) override;

  mDocumentPrefsC getAsmPrefs() { return mDocumentPrefsC(findOrCreateChildByKeyword("MESHASMPREFS"), 0); }
};
