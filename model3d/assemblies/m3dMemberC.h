// A member of an assembly ("MEMBER"): a part or an assembly placed by "MAT", which maps the
// member document's coordinates into the assembly's.
#pragma once

#include <cstdint>

#include "model3d/documents/m3dDocumentContainerC.h"

class m3dMemberC : public m3dDocumentContainerC {
 public:
  static constexpr const char* classKey = "MEMBER";

  m3dMemberC() = default;
  m3dMemberC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dDocumentContainerC(root, owns) {}

  // The placement; the identity when "MAT" is missing or does not hold 16 numbers.
  matrixC4x4<double> getMatrixValues() const;
  // The placement of the member's document within top, an assembly holding the member at any
  // depth: the placements from top down to the member, each parent's before its child's. 1;
  // 0 for a view that is no member or one that top does not hold through assemblies.
  int getAccumulatedMatrix(const metaTreeC* top, matrixC4x4<double>& placement) const;
};

bool isMemberNode(const metaTreeC* node);
bool isAssemblyNode(const metaTreeC* node);
