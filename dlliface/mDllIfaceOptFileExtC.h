// One file extension an option offers: an EXTITM node holding the extension (EXT) and the text
// shown for it (DESC), string fields that the first access adds, empty, when they are missing.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class mDllIfaceOptFileExtC : public metaObjectC {
 public:
  static constexpr const char* classKey = "EXTITM";

  using metaObjectC::metaObjectC;

  str getExt() { return getStringField(node, "EXT"); }
  void setExt(const char* text) { setStringField(node, "EXT", text); }
  str getDesc() { return getStringField(node, "DESC"); }
  void setDesc(const char* text) { setStringField(node, "DESC", text); }
};

// The extensions of an option: the EXTITM children of its EXTLST.
using mDllIfaceOptFileExtListC = metaObjKeyContainerTemplateC<mDllIfaceOptFileExtC>;
