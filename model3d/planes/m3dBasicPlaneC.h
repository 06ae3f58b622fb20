// One of the three base planes, named "Plane XY", "Plane ZX" or "Plane YZ", at the origin.
#pragma once

#include <cstdint>

#include "model3d/planes/m3dPlaneC.h"

class m3dBasicPlaneC : public m3dPlaneC {
 public:
  m3dBasicPlaneC() = default;
  m3dBasicPlaneC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dPlaneC(root, owns) {}

  // Name, type and frame of the base plane; X (1,0,0), Y (0,1,0), Z (0,0,1).
  void initXY();
  // X (1,0,0), Y (0,0,-1), Z (0,1,0).
  void initZX();
  // X (0,0,-1), Y (0,1,0), Z (1,0,0).
  void initYZ();
};
