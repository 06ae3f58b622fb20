// The base view of a document node: its name, short name and identifier, and the names made
// for a document that has none. Each reads its child's string, creating the child when it is
// missing; a missing value reads as "".
#pragma once

#include "core/mExtAttrBaseC.h"

class mDocumentC : public mExtAttrBaseC {
 public:
  using mExtAttrBaseC::mExtAttrBaseC;

  str getShortName() { return getStringAttribute("SHORTNAME"); }
  void setShortName(const char* text) { setStringAttribute("SHORTNAME", text); }
  str getMIdent() { return getStringAttribute("MIDENT"); }
  void setMIdent(const char* text) { setStringAttribute("MIDENT", text); }
  // formatName: the short name fitted to maxLength.
  str makeShortName(uint32_t maxLength) { return formatName(maxLength); }
};
