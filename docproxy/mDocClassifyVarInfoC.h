// One variable of a class identifier: its identifier (VARID), table variable (TABVAR) and
// value (VALUE), all texts, found by key word and created when missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class mDocClassifyVarInfoC : public metaObjectC {
 public:
  // The class of the view, whatever the key word of the node it is over.
  static constexpr const char* classKey = "DOCCLASSIFYVARINFO";

  using metaObjectC::metaObjectC;

  str getVarId() { return getStringAttribute("VARID"); }
  str getTabVar() { return getStringAttribute("TABVAR"); }
  str getValue() { return getStringAttribute("VALUE"); }
};
