// One section of an INI file: a SECTION node with its name (NAME, a string field) and its
// entry list (ENTRIES); the first read adds either, empty, when it is missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/keyNodeField.h"
#include "jobs/ini/mIniEntryListC.h"

class mIniSectionC : public metaObjectC {
 public:
  static constexpr const char* classKey = "SECTION";

  using metaObjectC::metaObjectC;

  str getName() { return getStringField(node, "NAME"); }
  void setName(const char* text) { setStringField(node, "NAME", text); }
  // A non-owning list over ENTRIES.
  mIniEntryListC getEntries() { return mIniEntryListC(fieldNode(node, "ENTRIES"), 0); }
};
