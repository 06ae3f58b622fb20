// The language of a per-language attribute list: an ATTRLANGIDENT node whose value is a string.
#pragma once

#include "core/metaObjectC.h"

class mExtAttrLanguageIdentC : public metaObjectC {
 public:
  static constexpr const char* classKey = "ATTRLANGIDENT";

  using metaObjectC::metaObjectC;

  str getLanguage(uint32_t* found = nullptr) const { return str(getNodeStringValue(found)); }
  void setLanguage(const char* text) { setNodeStringValue(text); }
};
