// The script object of a web-assistant list file: its identification pair (Ident), its list
// of formats (Formats, as a job's) and its three lists of texts (ErrorMsg, CustomMsg,
// AssPartnames), all read-only properties; what it holds changes through the objects they
// give.
#pragma once

#include "jobs/webassistant/mAssistantListFileC.h"
#include "jobs/webassistant/prxmWebAssistantBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmWebAssistantListFileC : public prxDescribedT<prxmWebAssistantListFileC, prxmWebAssistantBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
