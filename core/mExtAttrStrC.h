// An extended attribute holding a string.
#pragma once

#include "core/mExtAttrBaseC.h"

class mExtAttrStrC : public mExtAttrBaseC {
 public:
  static constexpr const char* classKey = "EXTATTRSTR";

  using mExtAttrBaseC::mExtAttrBaseC;

  str getValue(uint32_t* found = nullptr) { return getStringAttribute("VALUE", found); }
  void setValue(const char* text) { setStringAttribute("VALUE", text); }
  str getValueAsString() override { return getValue(); }
};
