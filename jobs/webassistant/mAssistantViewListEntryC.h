// One view of a wanted format of a web-assistant job: a VIEW node with its id (VIEWID) and
// number (VIEWNO), integer fields, its name (VIEWNAME) and error message (ERRMSG), string
// fields, and the names of the files made for it (FILENAMES, one string per child). The
// first access adds a missing field, empty.
#pragma once

#include <cstdint>

#include "core/metaObjListStrContainerC.h"
#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class mAssistantViewListEntryC : public metaObjectC {
 public:
  static constexpr const char* classKey = "VIEW";

  using metaObjectC::metaObjectC;

  int32_t getViewId() { return getIntField(node, "VIEWID"); }
  void setViewId(int32_t value) { setIntField(node, "VIEWID", value); }
  int32_t getViewNo() { return getIntField(node, "VIEWNO"); }
  void setViewNo(int32_t value) { setIntField(node, "VIEWNO", value); }
  str getViewName() { return getStringField(node, "VIEWNAME"); }
  void setViewName(const char* text) { setStringField(node, "VIEWNAME", text); }
  str getErrMsg() { return getStringField(node, "ERRMSG"); }
  void setErrMsg(const char* text) { setStringField(node, "ERRMSG", text); }
  // A non-owning list over FILENAMES.
  metaObjListStrContainerC getFileNames() { return metaObjListStrContainerC(fieldNode(node, "FILENAMES"), 0); }
};
