// The part every native document shares, also the upgrade document: a DOCUMENT node holding
// the CAD identifier (CADIDENT), the identifier (MIDENT) and the CAD system (CADSYSTEM), each a
// string field that the first read adds, empty, when it is missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/keyNodeField.h"

class mNatDocumentRootC : public metaObjectC {
 public:
  static constexpr const char* classKey = "DOCUMENT";

  using metaObjectC::metaObjectC;

  // A new tree holding only DOCUMENT, owned by the view when owns is set (else by whoever the
  // caller hands it to).
  static mNatDocumentRootC create(uint32_t owns) { return mNatDocumentRootC(metaTreeC::newWithKeyword(classKey), owns); }

  str getCadIdent() { return getStringField(node, "CADIDENT"); }
  void setCadIdent(const char* text) { setStringField(node, "CADIDENT", text); }
  str getMIdent() { return getStringField(node, "MIDENT"); }
  void setMIdent(const char* text) { setStringField(node, "MIDENT", text); }
  str getCadFormat() { return getStringField(node, "CADSYSTEM"); }
  void setCadFormat(const char* text) { setStringField(node, "CADSYSTEM", text); }
};
