// A web-assistant job: a JOB node holding the output path (OUTPATH), the document name
// (DOCNAME) and the assistant data (ASSISTANTDATA), string fields, and the list of wanted
// formats (FORMATS). The first access adds a missing field, empty. A part-server job has the
// same root word, and either view works on the other's tree.
#pragma once

#include "core/metaRecordRootT.h"
#include "core/keyNodeField.h"
#include "jobs/webassistant/mAssistantFMTListEntryC.h"

class mAssistantJobC : public metaRecordRootT<mAssistantJobC> {
 public:
  static constexpr const char* classKey = "JOB";

  using metaRecordRootT::metaRecordRootT;

  str getOutpath() { return getStringField(node, "OUTPATH"); }
  void setOutpath(const char* text) { setStringField(node, "OUTPATH", text); }
  str getDocName() { return getStringField(node, "DOCNAME"); }
  void setDocName(const char* text) { setStringField(node, "DOCNAME", text); }
  str getAssistantData() { return getStringField(node, "ASSISTANTDATA"); }
  void setAssistantData(const char* text) { setStringField(node, "ASSISTANTDATA", text); }
  // A non-owning list over FORMATS.
  mAssistantFMTListC getFormats() { return mAssistantFMTListC(fieldNode(node, "FORMATS"), 0); }
};
