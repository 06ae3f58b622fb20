// An extrusion: a body feature seen by its type.
#pragma once

#include <cstdint>

#include "model3d/bodyFeatures/m3dFeatBodyC.h"

class m3dFeatExtrudeC : public m3dFeatBodyC {
 public:
  m3dFeatExtrudeC() = default;
  m3dFeatExtrudeC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dFeatBodyC(root, owns) {}
};
