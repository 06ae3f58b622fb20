// One dependency of an option: a DEP node holding the ID of what it refers to and one value
// (VAL), a text or a number. VAL keeps the kind of the first value written into it: a write
// of the other kind leaves it as it is.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class mDllIfaceOptDepInfoC : public metaObjectC {
 public:
  static constexpr const char* classKey = "DEP";

  using metaObjectC::metaObjectC;

  str getId() { return getStringField(node, "ID"); }
  void setId(const char* text) { setStringField(node, "ID", text); }
  str getStrValue() { return getStringField(node, "VAL"); }
  void setStrValue(const char* text) { setStringField(node, "VAL", text); }
  double getValue() { return getDoubleField(node, "VAL"); }
  void setValue(double value) { setDoubleField(node, "VAL", value); }
};
