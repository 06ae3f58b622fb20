// A native document for a check-in: the native document (mNatDocumentC) with the previews
// (PREVIEW3D, PREVIEW), the file extension (EXTENSION), the default table file (DEFTABFILE)
// and the setting for previews made of views (PSAUTOCREATEPRVFROMVIEW), string fields; the
// 3D flag (SHOW3D), an integer stored as a double; the variable table (VARSETTABLE), the
// variable descriptions (VARIABLES) and the variants (VARIANTS); and lists of texts, one
// string per child: used files (USEDFILES), wanted files (WANTFILES), bitmaps (BITMAPS), view
// names (VIEWNAMES) and the views bitmaps are made of (PSAUTOCREATEBMPFROMVIEW). Each accessor
// adds its node, empty, when it is missing.
#pragma once

#include <cstdint>

#include "core/metaObjListStrContainerC.h"
#include "jobs/exchange/mNatDocumentC.h"
#include "jobs/exchange/pShellVarDescC.h"
#include "jobs/exchange/pShellVarTabLineC.h"
#include "jobs/exchange/pShellVariantC.h"

class mNatCheckinDocumentC : public mNatDocumentC {
 public:
  using mNatDocumentC::mNatDocumentC;

  str getPreview3D() { return getStringField(node, "PREVIEW3D"); }
  void setPreview3D(const char* text) { setStringField(node, "PREVIEW3D", text); }
  str getPreview() { return getStringField(node, "PREVIEW"); }
  void setPreview(const char* text) { setStringField(node, "PREVIEW", text); }
  str getExtension() { return getStringField(node, "EXTENSION"); }
  void setExtension(const char* text) { setStringField(node, "EXTENSION", text); }
  str getDefTableFile() { return getStringField(node, "DEFTABFILE"); }
  void setDefTableFile(const char* text) { setStringField(node, "DEFTABFILE", text); }
  int32_t getShow3D() { return getIntField(node, "SHOW3D"); }
  void setShow3D(int32_t value) { setIntField(node, "SHOW3D", value); }
  str getAutoCreatePreviewFromView() { return getStringField(node, "PSAUTOCREATEPRVFROMVIEW"); }
  void setAutoCreatePreviewFromView(const char* text) { setStringField(node, "PSAUTOCREATEPRVFROMVIEW", text); }

  // Non-owning views over the children.
  pShellVarTableC getVarTable() { return pShellVarTableC(fieldNode(node, "VARSETTABLE"), 0); }
  pShellVarDescListC getVarSet() { return getVariablesContainer(*this); }
  pShellVariantListC getVariants() { return getVariantsContainer(*this); }
  metaObjListStrContainerC getUsedFiles() { return stringList("USEDFILES"); }
  metaObjListStrContainerC getWantFiles() { return stringList("WANTFILES"); }
  metaObjListStrContainerC getBitmaps() { return stringList("BITMAPS"); }
  metaObjListStrContainerC getViewNames() { return stringList("VIEWNAMES"); }
  metaObjListStrContainerC getAutoCreateBitmapsFromViews() { return stringList("PSAUTOCREATEBMPFROMVIEW"); }

 private:
  metaObjListStrContainerC stringList(const char* key) { return metaObjListStrContainerC(fieldNode(node, key), 0); }
};
