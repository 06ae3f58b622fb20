// A part-server job: a JOB node holding the output path (OUTPATH), the document name
// (DOCNAME) and the meta file (METAFILE), each a string field that the first read adds,
// empty, when it is missing.
#pragma once

#include "core/metaRecordRootT.h"
#include "core/keyNodeField.h"

class mPSJobC : public metaRecordRootT<mPSJobC> {
 public:
  static constexpr const char* classKey = "JOB";

  using metaRecordRootT::metaRecordRootT;

  str getOutpath() { return getStringField(node, "OUTPATH"); }
  void setOutpath(const char* text) { setStringField(node, "OUTPATH", text); }
  str getDocName() { return getStringField(node, "DOCNAME"); }
  void setDocName(const char* text) { setStringField(node, "DOCNAME", text); }
  str getMetaFile() { return getStringField(node, "METAFILE"); }
  void setMetaFile(const char* text) { setStringField(node, "METAFILE", text); }
};
