// The script object of an extended attribute holding a string: its Value
// members in front of the entry members and the common ones.
#pragma once

#include "proxy/prxmExtAttrListEntryC.h"

class prxmExtAttrListEntryStrC : public prxmExtAttrListEntryC {
 public:
  explicit prxmExtAttrListEntryStrC(const metaObjectC& source);

  void* getNativePointer() override;

  static const proxyClassC description;
};
