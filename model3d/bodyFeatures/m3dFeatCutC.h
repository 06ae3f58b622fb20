// A body feature that removes material ("CUT"): material role 1.
#pragma once

#include <cstdint>

#include "model3d/bodyFeatures/m3dFeatBodyC.h"

class m3dFeatCutC : public m3dFeatBodyC {
 public:
  static constexpr const char* classKey = "CUT";

  m3dFeatCutC() = default;
  m3dFeatCutC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dFeatBodyC(root, owns) {}
  int getMaterialRole() override { return 1; }
};
