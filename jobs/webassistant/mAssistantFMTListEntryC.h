// One wanted format of a web-assistant job or list file: a FORMAT node with its format id
// (FORMATID, an integer field), its CAD format (CADFORMAT) and version (VERSION), string
// fields, and its view list (VIEWS). The first access adds a missing field, empty.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaObjectC.h"
#include "core/keyNodeField.h"
#include "jobs/webassistant/mAssistantViewListEntryC.h"

using mAssistantViewListC = metaObjKeyContainerTemplateC<mAssistantViewListEntryC>;

class mAssistantFMTListEntryC : public metaObjectC {
 public:
  static constexpr const char* classKey = "FORMAT";

  using metaObjectC::metaObjectC;

  int32_t getFormatId() { return getIntField(node, "FORMATID"); }
  void setFormatId(int32_t value) { setIntField(node, "FORMATID", value); }
  str getCadFormat() { return getStringField(node, "CADFORMAT"); }
  void setCadFormat(const char* text) { setStringField(node, "CADFORMAT", text); }
  str getVersion() { return getStringField(node, "VERSION"); }
  void setVersion(const char* text) { setStringField(node, "VERSION", text); }
  // A non-owning list over VIEWS.
  mAssistantViewListC getViews() { return mAssistantViewListC(fieldNode(node, "VIEWS"), 0); }
};

using mAssistantFMTListC = metaObjKeyContainerTemplateC<mAssistantFMTListEntryC>;
