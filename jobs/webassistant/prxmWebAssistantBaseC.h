// The base of the script objects of the web-assistant records (jobs, their formats and views,
// list files and their identification): their Factory is a new web-assistant factory, in
// front of the members common to every stored object.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectBaseC.h"

class prxmWebAssistantBaseC : public prxMetaObjectBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmWebAssistantBaseC(const metaObjectC& source) : prxMetaObjectBaseC(source) { setClass(description); }
  prxmWebAssistantBaseC(metaTreeC* node, uint32_t owns) : prxMetaObjectBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
