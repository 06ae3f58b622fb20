// A variable description of a check-in document: a VAR node holding the name (VARNAME) and
// deleted flag (VARDELETED) as a value does, the type (VARTYPE), unit (VARUNIT), description
// (VARDESC) and table name (VARTNAME) as strings, the precision (VARPREC) as a double and the
// hidden flag (VARHIDDEN) as an integer stored as a double. Each field is added, empty, when
// first read or set.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "jobs/exchange/pShellVarC.h"

class pShellVarDescC : public pShellVarC {
 public:
  using pShellVarC::pShellVarC;

  str getType() { return getStringField(node, "VARTYPE"); }
  void setType(const char* text) { setStringField(node, "VARTYPE", text); }
  str getUnit() { return getStringField(node, "VARUNIT"); }
  void setUnit(const char* text) { setStringField(node, "VARUNIT", text); }
  str getDesc() { return getStringField(node, "VARDESC"); }
  void setDesc(const char* text) { setStringField(node, "VARDESC", text); }
  double getPrec() { return getDoubleField(node, "VARPREC"); }
  // A NaN or an infinity is not stored.
  void setPrec(double value) { setDoubleField(node, "VARPREC", value); }
  str getTabName() { return getStringField(node, "VARTNAME"); }
  void setTabName(const char* text) { setStringField(node, "VARTNAME", text); }
  int32_t getHidden() { return getIntField(node, "VARHIDDEN"); }
  void setHidden(int32_t value) { setIntField(node, "VARHIDDEN", value); }
};

// The variable descriptions: the VAR children of its node.
using pShellVarDescListC = metaObjKeyContainerTemplateC<pShellVarDescC>;

// The variable descriptions of a check-in document: a non-owning list over its VARIABLES,
// which is added, empty and last, when missing.
inline pShellVarDescListC getVariablesContainer(const metaObjectVirtualDataBaseC& document) {
  return pShellVarDescListC(fieldNode(document.getNode(), "VARIABLES"), 0);
}
