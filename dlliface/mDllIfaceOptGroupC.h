// One group that arranges options on screen: an OPTGROUP node holding its ID, its description
// (DESC) and its logical position (LPOS) and size (LSIZ), each two numbers x, y.
#pragma once

#include <cstdint>

#include "core/metaObjListValContainerT.h"
#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class mDllIfaceOptGroupC : public metaObjectC {
 public:
  static constexpr const char* classKey = "OPTGROUP";

  using metaObjectC::metaObjectC;

  str getId() { return getStringField(node, "ID"); }
  void setId(const char* text) { setStringField(node, "ID", text); }
  str getDesc() { return getStringField(node, "DESC"); }
  void setDesc(const char* text) { setStringField(node, "DESC", text); }
  // Number lists over LPOS and LSIZ, added when missing.
  metaObjListValContainerT<double> getLogPos() { return metaObjListValContainerT<double>(fieldNode(node, "LPOS"), 0); }
  metaObjListValContainerT<double> getLogSize() { return metaObjListValContainerT<double>(fieldNode(node, "LSIZ"), 0); }
};
