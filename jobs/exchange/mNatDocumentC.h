// A native document of a check-out or check-in: the shared part (mNatDocumentRootC), four
// default values (DEFAULTNB, DEFAULTNN, DEFAULTNT, DEFAULTLINA, string fields), its member
// documents (every child of MEMBERS, whatever its key word), its current variable set
// (CURVARSET) and a block of user data (USERDATA, holding a copy of another object's tree).
// Each accessor adds its node, empty, when it is missing.
#pragma once

#include <cstdint>

#include "core/metaObjListObjectContainerC.h"
#include "jobs/exchange/mNatDocumentRootC.h"
#include "jobs/exchange/pShellVarValueC.h"

class mNatDocumentC : public mNatDocumentRootC {
 public:
  using mNatDocumentRootC::mNatDocumentRootC;

  str getDefaultNB() { return getStringField(node, "DEFAULTNB"); }
  void setDefaultNB(const char* text) { setStringField(node, "DEFAULTNB", text); }
  str getDefaultNN() { return getStringField(node, "DEFAULTNN"); }
  void setDefaultNN(const char* text) { setStringField(node, "DEFAULTNN", text); }
  str getDefaultNT() { return getStringField(node, "DEFAULTNT"); }
  void setDefaultNT(const char* text) { setStringField(node, "DEFAULTNT", text); }
  str getDefaultLINA() { return getStringField(node, "DEFAULTLINA"); }
  void setDefaultLINA(const char* text) { setStringField(node, "DEFAULTLINA", text); }

  // Non-owning views over the children.
  metaObjListObjectContainerC getMembers() { return metaObjListObjectContainerC(fieldNode(node, "MEMBERS"), 0); }
  pShellVarValueListC getCurrentVarSet() { return getCurVarSetContainer(*this); }
  metaObjectC getUserData() { return metaObjectC(fieldNode(node, "USERDATA"), 0); }

  // USERDATA holds a copy of value alone (not of the nodes that follow it) and nothing else.
  // The copy is taken before USERDATA is cleared, so value may be the stored object, lie
  // inside USERDATA or be this document. 0, and nothing changes, without a value or a
  // document.
  uint32_t setUserData(const metaObjectVirtualDataBaseC& value);
};
