// The script object of a variable value: its name and deleted flag (prxmNatVarBaseC) and its
// value as a text (Value). The lists of a document's current variable set and of a variable
// table's lines hand them out.
#pragma once

#include "jobs/exchange/pShellVarValueC.h"
#include "jobs/exchange/prxmNatVarBaseC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<pShellVarValueC> {
  static const char* get() { return "class pShellVarValueC"; }
};

class prxmNatVarValueC : public prxDescribedT<prxmNatVarValueC, prxmNatVarBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// A set of variable values: the VAR children of a CURVARSET or a VARSET.
using prxmNatVarValueListC = prxmObjListObjTypeContainerTemplateC<prxmNatVarValueC, pShellVarValueC>;
