// A plane offset from another: "PARAM" holds the side flag (1.0 set, 0.0 not), the distance
// and the reference plane's name.
#pragma once

#include <cstdint>

#include "model3d/planes/m3dPlaneC.h"

class m3dOffsetPlaneC : public m3dPlaneC {
 public:
  m3dOffsetPlaneC() = default;
  m3dOffsetPlaneC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dPlaneC(root, owns) {}

  // 1 when "PARAM" holds exactly three entries: entries 0 and 1 read as numbers and entry 2
  // as a string, an entry of another kind as 0.0 or "". Otherwise 0, the outputs untouched.
  int getParams(uint32_t& side, double& distance, str& referenceName);
  // Replaces the entries by the three values. False, nothing changing, for an empty view or
  // a distance that is not finite.
  bool setParams(uint32_t side, double distance, const char* referenceName);
};
