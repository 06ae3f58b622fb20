// A native document for a check-out: the native document (mNatDocumentC) with the norm
// identifier (NORMIDENT) and project path (PRJPATH), string fields, and the list of wanted
// files (WANTFILES, one string per child). Each accessor adds its node, empty, when missing.
#pragma once

#include <cstdint>

#include "core/metaObjListStrContainerC.h"
#include "jobs/exchange/mNatDocumentC.h"

class mNatCheckoutDocumentC : public mNatDocumentC {
 public:
  using mNatDocumentC::mNatDocumentC;

  str getNormIdent() { return getStringField(node, "NORMIDENT"); }
  void setNormIdent(const char* text) { setStringField(node, "NORMIDENT", text); }
  str getPrjDir() { return getStringField(node, "PRJPATH"); }
  void setPrjDir(const char* text) { setStringField(node, "PRJPATH", text); }
  metaObjListStrContainerC getWantFiles() { return metaObjListStrContainerC(fieldNode(node, "WANTFILES"), 0); }
};
