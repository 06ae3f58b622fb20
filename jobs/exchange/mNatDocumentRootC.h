// The part every native document shares, also the upgrade document: a DOCUMENT node holding
// the CAD identifier (CADIDENT), the identifier (MIDENT) and the CAD system (CADSYSTEM), each a
// string field that the first read adds, empty, when it is missing.
#pragma once

#include "core/metaRecordRootT.h"
#include "core/keyNodeField.h"

class mNatDocumentRootC : public metaRecordRootT<mNatDocumentRootC> {
 public:
  static constexpr const char* classKey = "DOCUMENT";

  using metaRecordRootT::metaRecordRootT;

  str getCadIdent() { return getStringField(node, "CADIDENT"); }
  void setCadIdent(const char* text) { setStringField(node, "CADIDENT", text); }
  str getMIdent() { return getStringField(node, "MIDENT"); }
  void setMIdent(const char* text) { setStringField(node, "MIDENT", text); }
  str getCadFormat() { return getStringField(node, "CADSYSTEM"); }
  void setCadFormat(const char* text) { setStringField(node, "CADSYSTEM", text); }
};
