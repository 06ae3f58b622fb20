// What a foreign feature says of its embedded file ("FEATINFO"): the format's name
// ("FMTNAME") and version ("FMTVERSION") and the file's name without folder ("FILENAME").
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/keyNodeField.h"
#include "core/propertyValuePut.h"

class m3dFeatForeignInfoC : public metaObjectC {
 public:
  static constexpr const char* classKey = "FEATINFO";

  m3dFeatForeignInfoC() = default;
  m3dFeatForeignInfoC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}

  str getFormatName() { return getStringField(node, "FMTNAME"); }
  str getFormatVersion() { return getStringField(node, "FMTVERSION"); }
  str getFileName() { return getStringField(node, "FILENAME"); }
  void setFormatName(const char* text) { putPropertyString(fieldNode(node, "FMTNAME"), text ? text : ""); }
  void setFormatVersion(const char* text) { putPropertyString(fieldNode(node, "FMTVERSION"), text ? text : ""); }
  void setFileName(const char* text) { putPropertyString(fieldNode(node, "FILENAME"), text ? text : ""); }
};
