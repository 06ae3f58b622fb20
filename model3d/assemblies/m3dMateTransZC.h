// A mate of translation along Z ("TRANSZ"): its distance is "VALUE", or "FREEVAL" instead.
#pragma once

#include <cstdint>

#include "model3d/assemblies/m3dMateC.h"

class m3dMateTransZC : public m3dMateC {
 public:
  static constexpr const char* classKey = "TRANSZ";

  m3dMateTransZC() = default;
  m3dMateTransZC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dMateC(root, owns) {}

  // "VALUE" times the factor when the mate has one, else "FREEVAL" when it has one; a value
  // that is no number, or a product that is not finite, stays. 1; 0 for an empty view or a
  // factor that is not finite.
  int scale(double factor) override;

  // The child as a number; 0.0 with found 0 when absent or no number (nothing is created).
  double getValue(uint32_t* found = nullptr) const;
  double getFreeValue(uint32_t* found = nullptr) const;
  // Written, the child created when missing; a value that is not finite is refused (false).
  bool setValue(double value);
  bool setFreeValue(double value);
};
