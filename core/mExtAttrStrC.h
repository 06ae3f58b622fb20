// An extended attribute holding a string.
#pragma once

#include "core/mExtAttrBaseC.h"

class mExtAttrStrC : public mExtAttrBaseC {
 public:
  static constexpr const char* classKey = "EXTATTRSTR";

  mExtAttrStrC() = default;
  mExtAttrStrC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), mExtAttrBaseC(root, owns) {}

  str getValue(uint32_t* found = nullptr) { return getStringAttribute("VALUE", found); }
  void setValue(const char* text) { setStringAttribute("VALUE", text); }
  str getValueAsString() override { return getValue(); }
};
