// The script object of a web-assistant list file: its identification pair (Ident), its list
// of formats (Formats, as a job's) and its three lists of texts (ErrorMsg, CustomMsg,
// AssPartnames), all read-only properties; what it holds changes through the objects they
// give.
#pragma once

#include <cstdint>

#include "jobs/webassistant/mAssistantListFileC.h"
#include "jobs/webassistant/prxmWebAssistantBaseC.h"

class prxmWebAssistantListFileC : public prxmWebAssistantBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmWebAssistantListFileC(const metaObjectC& source) : prxmWebAssistantBaseC(source) {
    setClass(description);
  }
  prxmWebAssistantListFileC(metaTreeC* node, uint32_t owns) : prxmWebAssistantBaseC(node, owns) {
    setClass(description);
  }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
