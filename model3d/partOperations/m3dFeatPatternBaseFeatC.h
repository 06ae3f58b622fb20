// The base of a feature pattern ("FPBASEFEAT"): the "NAME" of the feature repeated and a
// reference point on it ("POINT3D") that each instance point receives.
#pragma once

#include <cstdint>

#include "model3d/base/m3dGeomOpBaseC.h"

class m3dFeatPatternBaseFeatC : public m3dGeomOpBaseC {
 public:
  static constexpr const char* classKey = "FPBASEFEAT";

  m3dFeatPatternBaseFeatC() = default;
  m3dFeatPatternBaseFeatC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns) {}

  // The reference point times the factor. 1; 0 for an empty view or a factor not finite.
  int scale(double factor) override;
};
