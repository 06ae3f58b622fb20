// The script object of one wanted format of a web-assistant job or list file: its format id
// (FormatId) as an integer, its CAD format (CadFormat) and version (Version) as texts, and its
// view list (Views). A put answers the entry, so that calls chain.
#pragma once

#include "jobs/webassistant/mAssistantFMTListEntryC.h"
#include "jobs/webassistant/prxmWebAssistantBaseC.h"
#include "jobs/webassistant/prxmWebAssistantViewEntryC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<mAssistantFMTListEntryC> {
  static const char* get() { return "class mAssistantFMTListEntryC"; }
};

using prxmWebAssistantViewListC = prxmObjListObjTypeContainerTemplateC<prxmWebAssistantViewEntryC, mAssistantViewListEntryC>;

class prxmWebAssistantFmtEntryC : public prxDescribedT<prxmWebAssistantFmtEntryC, prxmWebAssistantBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The format list of a job or a list file.
using prxmWebAssistantFmtListC = prxmObjListObjTypeContainerTemplateC<prxmWebAssistantFmtEntryC, mAssistantFMTListEntryC>;
