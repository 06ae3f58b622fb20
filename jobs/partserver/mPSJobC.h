// A part-server job: a JOB node holding the output path (OUTPATH), the document name
// (DOCNAME) and the meta file (METAFILE), each a string field that the first read adds,
// empty, when it is missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/keyNodeField.h"

class mPSJobC : public metaObjectC {
 public:
  static constexpr const char* classKey = "JOB";

  using metaObjectC::metaObjectC;

  // A new tree holding only JOB, owned by the view when owns is set (else by whoever the
  // caller hands it to).
  static mPSJobC create(uint32_t owns) { return mPSJobC(metaTreeC::newWithKeyword(classKey), owns); }

  str getOutpath() { return getStringField(node, "OUTPATH"); }
  void setOutpath(const char* text) { setStringField(node, "OUTPATH", text); }
  str getDocName() { return getStringField(node, "DOCNAME"); }
  void setDocName(const char* text) { setStringField(node, "DOCNAME", text); }
  str getMetaFile() { return getStringField(node, "METAFILE"); }
  void setMetaFile(const char* text) { setStringField(node, "METAFILE", text); }
};
