// A variable value: a VAR node holding the name (VARNAME, a string field), the deleted flag
// (VARDELETED, an integer stored as a double) and the value as text (VARVALUE). A new VAR is
// empty; each field is added, empty, when first read or set. Values are grouped in sets: a
// document's current variable set (CURVARSET) and the lines of a variable table (VARSET).
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "jobs/exchange/pShellVarC.h"

class pShellVarValueC : public pShellVarC {
 public:
  using pShellVarC::pShellVarC;

  str getValue() { return getStringField(node, "VARVALUE"); }
  void setValue(const char* text) { setStringField(node, "VARVALUE", text); }
};

// A set of variable values: the VAR children of its node.
using pShellVarValueListC = metaObjKeyContainerTemplateC<pShellVarValueC>;

// The current variable set of a document: a non-owning list over its CURVARSET, which is
// added, empty and last, when missing.
inline pShellVarValueListC getCurVarSetContainer(const metaObjectVirtualDataBaseC& document) {
  return pShellVarValueListC(fieldNode(document.getNode(), "CURVARSET"), 0);
}
