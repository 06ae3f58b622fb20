// The identification pair of a web-assistant list file: an IDENT node with NB and NN, string
// fields that the first read adds, empty, when they are missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class mAssistantListFileIdentC : public metaObjectC {
 public:
  static constexpr const char* classKey = "IDENT";

  using metaObjectC::metaObjectC;

  str getNB() { return getStringField(node, "NB"); }
  void setNB(const char* text) { setStringField(node, "NB", text); }
  str getNN() { return getStringField(node, "NN"); }
  void setNN(const char* text) { setStringField(node, "NN", text); }
};
