// The script object of a list file's identification pair: NB and NN, read and set as texts;
// a put answers the pair, so that calls chain.
#pragma once

#include "jobs/webassistant/mAssistantListFileIdentC.h"
#include "jobs/webassistant/prxmWebAssistantBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmWebAssistantListFileIdentC : public prxDescribedT<prxmWebAssistantListFileIdentC, prxmWebAssistantBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
