// The script object over the language of a per-language attribute list (an ATTRLANGIDENT
// node): its default member is the language identifier, which the language dictionary
// compares when it looks a language up.
#pragma once

#include "core/mExtAttrLanguageIdentC.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmExtAttrLanguageIdentC : public prxMetaObjectBaseC {
 public:
  explicit prxmExtAttrLanguageIdentC(const metaObjectC& source);

  const char* getTypeName() override { return "class prxmExtAttrLanguageIdentC *"; }
  void* getNativePointer() override { return this; }

  static const proxyMethodEntryS* buildMethodTable();
};

template <>
struct prxClassNameT<prxmExtAttrLanguageIdentC> {
  static const char* get() { return "class prxmExtAttrLanguageIdentC"; }
};

template <>
struct prxClassNameT<mExtAttrLanguageIdentC> {
  static const char* get() { return "class mExtAttrLanguageIdentC"; }
};
