// The global header of a check-in/out record: a HEADER node holding the destination project
// folder (DESTPRJDIR), a string field that the first read adds, empty, when it is missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class mNatGlobalHeaderC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;

  str getDestPrjDir() { return getStringField(node, "DESTPRJDIR"); }
  void setDestPrjDir(const char* text) { setStringField(node, "DESTPRJDIR", text); }
};
