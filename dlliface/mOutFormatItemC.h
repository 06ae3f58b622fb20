// An output format of a plug-in: an OUTFMT node with the fields of every format, four
// integers stored as numbers (OUTMODE, SCANMODE, DETECTMODE, COSTS), two lists of texts
// (VERSIONS, VERSIONSDESC) and the option pages of the conversion into it (TRANSFEROPTPAGES
// and GLOBALOPTPAGES under OPTIONS). The output mode is read without adding OUTMODE; every
// other field is added, empty, at its first access.
#pragma once

#include <cstdint>

#include "core/metaObjListStrContainerC.h"
#include "dlliface/mDllIfaceOptPageListC.h"
#include "dlliface/mFormatItemC.h"

class mOutFormatItemC : public mFormatItemC {
 public:
  static constexpr const char* classKey = "OUTFMT";

  using mFormatItemC::mFormatItemC;

  int32_t getOutputMode() { return peekIntField(node, "OUTMODE"); }
  void setOutputMode(int32_t value) { setIntField(node, "OUTMODE", value); }
  int32_t getScanMode() { return getIntField(node, "SCANMODE"); }
  void setScanMode(int32_t value) { setIntField(node, "SCANMODE", value); }
  int32_t getDetectMode() { return getIntField(node, "DETECTMODE"); }
  void setDetectMode(int32_t value) { setIntField(node, "DETECTMODE", value); }
  int32_t getCosts() { return getIntField(node, "COSTS"); }
  void setCosts(int32_t value) { setIntField(node, "COSTS", value); }

  metaObjListStrContainerC getVersions() { return metaObjListStrContainerC(fieldNode(node, "VERSIONS"), 0); }
  metaObjListStrContainerC getVersionsDesc() { return metaObjListStrContainerC(fieldNode(node, "VERSIONSDESC"), 0); }
  mDllIfaceOptPageListC getTransferOptions() { return mDllIfaceOptPageListC::of(node, "TRANSFEROPTPAGES"); }
  mDllIfaceOptPageListC getGlobalOptions() { return mDllIfaceOptPageListC::of(node, "GLOBALOPTPAGES"); }
};
