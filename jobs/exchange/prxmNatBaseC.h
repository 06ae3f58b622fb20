// The base of the script objects of native exchange documents (documents, headers, variables,
// tables and variants): their Factory is a new native-document factory, in front of the
// members common to every stored object.
#pragma once

#include <cstdint>

#include "proxy/prxMetaObjectBaseC.h"

class prxmNatBaseC : public prxMetaObjectBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatBaseC(const metaObjectC& source) : prxMetaObjectBaseC(source) { setClass(description); }
  prxmNatBaseC(metaTreeC* node, uint32_t owns) : prxMetaObjectBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
