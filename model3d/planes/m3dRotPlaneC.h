// A plane rotated from another: "PARAM" holds the angle, the reference plane's name and the
// axis word "PA_X", "PA_Y" or "PA_Z" (0, 1, 2).
#pragma once

#include <cstdint>

#include "model3d/planes/m3dPlaneC.h"

class m3dRotPlaneC : public m3dPlaneC {
 public:
  m3dRotPlaneC() = default;
  m3dRotPlaneC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dPlaneC(root, owns) {}

  // Reads the entries in order and stops with 0 at the first that does not fit (a number, a
  // string, one of the axis words), or is missing; what was read before it is set. Else 1;
  // entries after the third are ignored.
  int getParams(double& angle, str& referenceName, int& axis);
  // Replaces the entries by the three values. False, nothing changing, for an empty view, an
  // angle that is not finite or an axis other than 0, 1, 2.
  bool setParams(double angle, const char* referenceName, int axis);
};
