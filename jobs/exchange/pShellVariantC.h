// A variant of a check-in or upgrade document: a VARIANT node naming a variable (VARNAME) and
// its value (VARVALUE), with a 3D preview (PREVIEW3D), string fields, and three lists of texts,
// one string per child: wanted files (WANTFILES), bitmaps (BITMAPS) and the views bitmaps are
// made of (PSAUTOCREATEBMPFROMVIEW). Each accessor adds its node, empty, when it is missing.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaObjListStrContainerC.h"
#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class pShellVariantC : public metaObjectC {
 public:
  static constexpr const char* classKey = "VARIANT";

  using metaObjectC::metaObjectC;

  str getVarName() { return getStringField(node, "VARNAME"); }
  void setVarName(const char* text) { setStringField(node, "VARNAME", text); }
  str getVarValue() { return getStringField(node, "VARVALUE"); }
  void setVarValue(const char* text) { setStringField(node, "VARVALUE", text); }
  str getPreview3D() { return getStringField(node, "PREVIEW3D"); }
  void setPreview3D(const char* text) { setStringField(node, "PREVIEW3D", text); }

  // Non-owning views over the children.
  metaObjListStrContainerC getWantFiles() { return metaObjListStrContainerC(fieldNode(node, "WANTFILES"), 0); }
  metaObjListStrContainerC getBitmaps() { return metaObjListStrContainerC(fieldNode(node, "BITMAPS"), 0); }
  metaObjListStrContainerC getAutoCreateBitmapsFromViews() {
    return metaObjListStrContainerC(fieldNode(node, "PSAUTOCREATEBMPFROMVIEW"), 0);
  }
};

// The variants: the VARIANT children of a VARIANTS.
using pShellVariantListC = metaObjKeyContainerTemplateC<pShellVariantC>;

// The variants of a document: a non-owning list over its VARIANTS, which is added, empty and
// last, when missing.
inline pShellVariantListC getVariantsContainer(const metaObjectVirtualDataBaseC& document) {
  return pShellVariantListC(fieldNode(document.getNode(), "VARIANTS"), 0);
}
