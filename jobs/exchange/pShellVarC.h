// What every variable record holds: a VAR node with the name (VARNAME, a string field) and the
// deleted flag (VARDELETED, an integer stored as a double), each added, empty, when first read
// or set. Descriptions and values add their own fields.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class pShellVarC : public metaObjectC {
 public:
  static constexpr const char* classKey = "VAR";

  using metaObjectC::metaObjectC;

  str getName() { return getStringField(node, "VARNAME"); }
  void setName(const char* text) { setStringField(node, "VARNAME", text); }
  int32_t getDeleted() { return getIntField(node, "VARDELETED"); }
  void setDeleted(int32_t value) { setIntField(node, "VARDELETED", value); }
};
