// Who a plug-in is: an INFO node with its name (NAME), version (VERSION), description (DESC)
// and date (DATE, in no imposed form), string fields that the first read adds, empty, when
// they are missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class mDllIfaceInfoC : public metaObjectC {
 public:
  static constexpr const char* classKey = "INFO";

  using metaObjectC::metaObjectC;

  str getName() { return getStringField(node, "NAME"); }
  void setName(const char* text) { setStringField(node, "NAME", text); }
  str getVersion() { return getStringField(node, "VERSION"); }
  void setVersion(const char* text) { setStringField(node, "VERSION", text); }
  str getDesc() { return getStringField(node, "DESC"); }
  void setDesc(const char* text) { setStringField(node, "DESC", text); }
  str getDate() { return getStringField(node, "DATE"); }
  void setDate(const char* text) { setStringField(node, "DATE", text); }
};
