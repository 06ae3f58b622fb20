// A body feature that adds material ("BASE"): material role 0.
#pragma once

#include <cstdint>

#include "model3d/bodyFeatures/m3dFeatBodyC.h"

class m3dFeatBaseC : public m3dFeatBodyC {
 public:
  static constexpr const char* classKey = "BASE";

  m3dFeatBaseC() = default;
  m3dFeatBaseC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dFeatBodyC(root, owns) {}
  int getMaterialRole() override { return 0; }
};
