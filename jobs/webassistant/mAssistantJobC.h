// A web-assistant job: a JOB node holding the output path (OUTPATH), the document name
// (DOCNAME) and the assistant data (ASSISTANTDATA), string fields, and the list of wanted
// formats (FORMATS). The first access adds a missing field, empty. A part-server job has the
// same root word, and either view works on the other's tree.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/keyNodeField.h"
#include "jobs/webassistant/mAssistantFMTListEntryC.h"

class mAssistantJobC : public metaObjectC {
 public:
  static constexpr const char* classKey = "JOB";

  using metaObjectC::metaObjectC;

  // A new tree holding only JOB, owned by the view when owns is set (else by whoever the
  // caller hands it to).
  static mAssistantJobC create(uint32_t owns) { return mAssistantJobC(metaTreeC::newWithKeyword(classKey), owns); }

  str getOutpath() { return getStringField(node, "OUTPATH"); }
  void setOutpath(const char* text) { setStringField(node, "OUTPATH", text); }
  str getDocName() { return getStringField(node, "DOCNAME"); }
  void setDocName(const char* text) { setStringField(node, "DOCNAME", text); }
  str getAssistantData() { return getStringField(node, "ASSISTANTDATA"); }
  void setAssistantData(const char* text) { setStringField(node, "ASSISTANTDATA", text); }
  // A non-owning list over FORMATS.
  mAssistantFMTListC getFormats() { return mAssistantFMTListC(fieldNode(node, "FORMATS"), 0); }
};
