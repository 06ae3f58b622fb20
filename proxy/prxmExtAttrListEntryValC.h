// The script object of an extended attribute holding a number: its Value
// members in front of the entry members and the common ones.
#pragma once

#include "proxy/prxmExtAttrListEntryC.h"

class prxmExtAttrListEntryValC : public prxmExtAttrListEntryC {
 public:
  static constexpr const char* proxyTypeName = "class prxmExtAttrListEntryValC *";

  explicit prxmExtAttrListEntryValC(const metaObjectC& source);

  const char* getTypeName() override;
  void* getNativePointer() override;

  static const proxyMethodEntryS* buildMethodTable();
};
