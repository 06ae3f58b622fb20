// One entry of an INI file: an ENTRY node with its key (KEY) and its text (TEXT), each a
// string field that the first read adds, empty, when it is missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class mIniEntryC : public metaObjectC {
 public:
  static constexpr const char* classKey = "ENTRY";

  using metaObjectC::metaObjectC;

  str getKey() { return getStringField(node, "KEY"); }
  void setKey(const char* text) { setStringField(node, "KEY", text); }
  str getText() { return getStringField(node, "TEXT"); }
  void setText(const char* text) { setStringField(node, "TEXT", text); }
};
