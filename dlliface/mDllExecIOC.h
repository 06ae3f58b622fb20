// The record of one plug-in call: an IFACEEXEIO node with the plug-in's name (NAME) and
// version (VERSION), the output location (OUTPUTLOCATION), the response (RESTEXT), the
// receiver's identifier (RECID, which only stored text sets), the input and output data
// (INPUTDATA, OUTPUTDATA: each carries one tree of any kind as its children) and the custom
// data (CUSTOMDATA). Text fields are added, empty, at their first access; the data fields
// only by a write.
#pragma once

#include "core/metaRecordRootT.h"
#include "dlliface/mDllIfaceCustomDataC.h"
#include "core/keyNodeField.h"

class mDllExecIOC : public metaRecordRootT<mDllExecIOC> {
 public:
  static constexpr const char* classKey = "IFACEEXEIO";

  using metaRecordRootT::metaRecordRootT;

  str getName() { return getStringField(node, "NAME"); }
  void setName(const char* text) { setStringField(node, "NAME", text); }
  str getVersion() { return getStringField(node, "VERSION"); }
  void setVersion(const char* text) { setStringField(node, "VERSION", text); }
  str getOutputLocation() { return getStringField(node, "OUTPUTLOCATION"); }
  void setOutputLocation(const char* text) { setStringField(node, "OUTPUTLOCATION", text); }
  str getResponseText() { return getStringField(node, "RESTEXT"); }
  void setResponseText(const char* text) { setStringField(node, "RESTEXT", text); }
  str getReceiverID() { return getStringField(node, "RECID"); }

  // The root of the carried tree, null when there is none; adds nothing.
  metaTreeC* getInputData() const { return carriedTree("INPUTDATA"); }
  metaTreeC* getOutputData() const { return carriedTree("OUTPUTDATA"); }
  // The data becomes a copy of tree with its following siblings, under one INPUTDATA
  // (OUTPUTDATA) that stands last; without a tree it stays empty. The copy is made before the
  // old data goes, so tree may lie anywhere, in the old data too.
  void setInputData(const metaTreeC* tree) { carryTree("INPUTDATA", tree); }
  void setOutputData(const metaTreeC* tree) { carryTree("OUTPUTDATA", tree); }

  mDllIfaceCustomDataC getCustomData() { return mDllIfaceCustomDataC(fieldNode(node, mDllIfaceCustomDataC::classKey), 0); }
  // CUSTOMDATA takes a copy of the node's value (its key word too) and children; nothing
  // changes without a node.
  void setCustomData(const metaTreeC* tree);

 private:
  metaTreeC* carriedTree(const char* key) const;
  void carryTree(const char* key, const metaTreeC* tree);
};
