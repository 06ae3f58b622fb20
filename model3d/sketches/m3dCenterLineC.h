// The centre line of a sketch ("CENTER"): the axis of a revolved feature or of a thread, a
// line in sketch coordinates.
#pragma once

#include <cstdint>

#include "model3d/sketches/m3dLineC.h"

class m3dCenterLineC : public m3dLineC {
 public:
  static constexpr const char* classKey = "CENTER";

  m3dCenterLineC() = default;
  m3dCenterLineC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dLineC(root, owns) {}
  m3dCenterLineC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dCenterLineC(const m3dCenterLineC& other) : metaObjectVirtualDataBaseC(other), m3dLineC(other) {}
  m3dCenterLineC& operator=(const m3dCenterLineC& other) = default;
};
