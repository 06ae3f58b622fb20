// A member of a mesh assembly ("MESHMEM"): its placement "MAT" and one document child,
// "MESHPART" or "MESHASM".
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "geom/matrixC4x4.h"
#include "model3d/meshes/mMeshDocC.h"

class mMeshMemberC : public metaObjectC {
 public:
  static constexpr const char* classKey = "MESHMEM";

  mMeshMemberC() = default;
  mMeshMemberC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}

  // The "MESHASM" child when there is one, else the "MESHPART" child, else an empty view.
  mMeshDocC getDocument() const;
  bool isMeshAsmDocument() const { return findChild("MESHASM") != nullptr; }
  // "MAT" (found or added); the identity when it does not hold 16 numbers.
  matrixC4x4<double> getMatrix();
  // The 16 entries replace "MAT"'s values; a matrix with an entry not finite writes nothing.
  void setMatrix(const matrixC4x4<double>& matrix);
};
