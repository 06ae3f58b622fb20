// A format a plug-in reads (INFMT) or writes (OUTFMT): its name (NAME), description (DESC),
// group (GROUP), file extension (FILEEXT) and toolbar bitmap (TOOLBARBMP), string fields that
// the first access adds, empty, when they are missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/keyNodeField.h"

class mFormatItemC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;

  str getName() { return getStringField(node, "NAME"); }
  void setName(const char* text) { setStringField(node, "NAME", text); }
  str getDesc() { return getStringField(node, "DESC"); }
  void setDesc(const char* text) { setStringField(node, "DESC", text); }
  str getGroup() { return getStringField(node, "GROUP"); }
  void setGroup(const char* text) { setStringField(node, "GROUP", text); }
  str getFileExtension() { return getStringField(node, "FILEEXT"); }
  void setFileExtension(const char* text) { setStringField(node, "FILEEXT", text); }
  str getToolbarBmp() { return getStringField(node, "TOOLBARBMP"); }
  void setToolbarBmp(const char* text) { setStringField(node, "TOOLBARBMP", text); }
};
