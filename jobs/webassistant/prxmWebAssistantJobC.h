// The script object of a web-assistant job: its output path (Outpath), document name
// (DocName) and assistant data (AssistantData) as texts, and its list of wanted formats
// (Formats). A put answers the job, so that calls chain. A part-server job has the same root
// word, and this object works on one as well.
#pragma once

#include <cstdint>

#include "jobs/webassistant/mAssistantJobC.h"
#include "jobs/webassistant/prxmWebAssistantBaseC.h"

class prxmWebAssistantJobC : public prxmWebAssistantBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmWebAssistantJobC(const metaObjectC& source) : prxmWebAssistantBaseC(source) { setClass(description); }
  prxmWebAssistantJobC(metaTreeC* node, uint32_t owns) : prxmWebAssistantBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
