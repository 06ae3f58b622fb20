// The script object over the language of a per-language attribute list (an ATTRLANGIDENT
// node): its default member is the language identifier, which the language dictionary
// compares when it looks a language up.
#pragma once

#include "core/mExtAttrLanguageIdentC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmExtAttrLanguageIdentC : public prxDescribedT<prxmExtAttrLanguageIdentC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

template <>
struct prxClassNameT<mExtAttrLanguageIdentC> {
  static const char* get() { return "class mExtAttrLanguageIdentC"; }
};
