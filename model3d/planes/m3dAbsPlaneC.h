// An absolute plane: its frame alone places it.
#pragma once

#include <cstdint>

#include "model3d/planes/m3dPlaneC.h"

class m3dAbsPlaneC : public m3dPlaneC {
 public:
  m3dAbsPlaneC() = default;
  m3dAbsPlaneC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dPlaneC(root, owns) {}
};
