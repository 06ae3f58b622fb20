// The base of the script objects of an INI file (the file, a section, an entry): their
// Factory is a new INI-file factory, in front of the members common to every stored object.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectBaseC.h"

class prxmIniFileBaseC : public prxMetaObjectBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmIniFileBaseC(const metaObjectC& source) : prxMetaObjectBaseC(source) { setClass(description); }
  prxmIniFileBaseC(metaTreeC* node, uint32_t owns) : prxMetaObjectBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
