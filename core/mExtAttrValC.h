// An extended attribute holding a number.
#pragma once

#include "core/mExtAttrBaseC.h"

class mExtAttrValC : public mExtAttrBaseC {
 public:
  static constexpr const char* classKey = "EXTATTRVAL";

  using mExtAttrBaseC::mExtAttrBaseC;

  double getValue(uint32_t* found = nullptr) { return getDoubleAttribute("VALUE", found); }
  void setValue(double value) { setDoubleAttribute("VALUE", value); }
  // 14 significant digits; a missing value gives 0.
  str getValueAsString() override { return str(getValue(), 14); }
};
