// The script object of a web-assistant job: its output path (Outpath), document name
// (DocName) and assistant data (AssistantData) as texts, and its list of wanted formats
// (Formats). A put answers the job, so that calls chain. A part-server job has the same root
// word, and this object works on one as well.
#pragma once

#include "jobs/webassistant/mAssistantJobC.h"
#include "jobs/webassistant/prxmWebAssistantBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmWebAssistantJobC : public prxDescribedT<prxmWebAssistantJobC, prxmWebAssistantBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
