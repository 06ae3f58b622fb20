// The script object of a list file's identification pair: NB and NN, read and set as texts;
// a put answers the pair, so that calls chain.
#pragma once

#include "jobs/webassistant/mAssistantListFileIdentC.h"
#include "jobs/webassistant/prxmWebAssistantBaseC.h"

class prxmWebAssistantListFileIdentC : public prxmWebAssistantBaseC {
 public:
  // Shares the source's node when the source is a view, as the list file passes it.
  explicit prxmWebAssistantListFileIdentC(const metaObjectC& source) : prxmWebAssistantBaseC(source) {
    setClass(description);
  }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
