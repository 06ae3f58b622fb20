// The script object of an output format: its modes and costs as integers (OutputMode,
// ScanMode, DetectMode, Costs), its versions as lists of texts (Versions, VersionsDesc) and its
// option pages (TransferOptions, GlobalOptions), in front of the members of every format. A
// put answers the object, so that calls chain.
#pragma once

#include "dlliface/mOutFormatItemC.h"
#include "dlliface/prxDllIfaceFmtItemC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mOutFormatItemC> {
  static const char* get() { return "class mOutFormatItemC"; }
};

class prxDllIfaceOutFmtItemC : public prxDescribedT<prxDllIfaceOutFmtItemC, prxDllIfaceFmtItemC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The output formats of an input/output pair.
using prxDllIfaceOutFmtListC = prxmObjListObjTypeContainerTemplateC<prxDllIfaceOutFmtItemC, mOutFormatItemC>;
