// The script object of an extended attribute holding a string: its Value
// members in front of the entry members and the common ones.
#pragma once

#include "proxy/prxmExtAttrListEntryC.h"

class prxmExtAttrListEntryStrC : public prxmExtAttrListEntryC {
 public:
  static constexpr const char* proxyTypeName = "class prxmExtAttrListEntryStrC *";

  explicit prxmExtAttrListEntryStrC(const metaObjectC& source);

  const char* getTypeName() override;
  void* getNativePointer() override;

  static const proxyMethodEntryS* buildMethodTable();
};
