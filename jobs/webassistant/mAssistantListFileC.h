// A web-assistant list file: a LIST node holding its identification pair (IDENT), a list of
// wanted formats of the same form as a job's (FORMATS) and three lists of texts, one string
// per child: error messages (ERRORMSG), custom messages (CUSTOMMSG) and part names
// (ASSPARTNAMES). Each accessor adds its node, empty, when it is missing. It is stored and
// exchanged in the tree text format, like every record.
#pragma once

#include "core/metaObjListStrContainerC.h"
#include "core/metaRecordRootT.h"
#include "core/keyNodeField.h"
#include "jobs/webassistant/mAssistantFMTListEntryC.h"
#include "jobs/webassistant/mAssistantListFileIdentC.h"

class mAssistantListFileC : public metaRecordRootT<mAssistantListFileC> {
 public:
  static constexpr const char* classKey = "LIST";

  using metaRecordRootT::metaRecordRootT;

  // Non-owning views over the children.
  mAssistantListFileIdentC getIdent() { return mAssistantListFileIdentC(fieldNode(node, "IDENT"), 0); }
  mAssistantFMTListC getFormats() { return mAssistantFMTListC(fieldNode(node, "FORMATS"), 0); }
  metaObjListStrContainerC getErrorMsg() { return metaObjListStrContainerC(fieldNode(node, "ERRORMSG"), 0); }
  metaObjListStrContainerC getCustomMsg() { return metaObjListStrContainerC(fieldNode(node, "CUSTOMMSG"), 0); }
  metaObjListStrContainerC getAssPartnames() { return metaObjListStrContainerC(fieldNode(node, "ASSPARTNAMES"), 0); }
};
