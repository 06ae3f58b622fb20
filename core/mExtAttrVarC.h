// An extended attribute holding a typed variable: a string value and its type's name.
#pragma once

#include "core/mExtAttrBaseC.h"

class mExtAttrVarC : public mExtAttrBaseC {
 public:
  static constexpr const char* classKey = "EXTATTRVAR";

  using mExtAttrBaseC::mExtAttrBaseC;

  str getValue(uint32_t* found = nullptr) { return getStringAttribute("VALUE", found); }
  void setValue(const char* text) { setStringAttribute("VALUE", text); }
  str getType(uint32_t* found = nullptr) { return getStringAttribute("TYPE", found); }
  void setType(const char* text) { setStringAttribute("TYPE", text); }
  str getValueAsString() override { return getValue(); }
};
