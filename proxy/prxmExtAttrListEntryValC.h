// The script object of an extended attribute holding a number: its Value
// members in front of the entry members and the common ones.
#pragma once

#include "proxy/prxmExtAttrListEntryC.h"

class prxmExtAttrListEntryValC : public prxmExtAttrListEntryC {
 public:
  explicit prxmExtAttrListEntryValC(const metaObjectC& source);

  void* getNativePointer() override;

  static const proxyClassC description;
};
