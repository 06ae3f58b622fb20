// The script object of a variable description: its name and deleted flag (prxmNatVarBaseC),
// its type (Type), unit (Unit), description (Desc) and table name (TabName) as texts, its
// precision (Prec) as a double and its hidden flag (Hidden) as an integer. The description
// list of a check-in document hands them out.
#pragma once

#include "jobs/exchange/pShellVarDescC.h"
#include "jobs/exchange/prxmNatVarBaseC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<pShellVarDescC> {
  static const char* get() { return "class pShellVarDescC"; }
};

class prxmNatVarDescC : public prxDescribedT<prxmNatVarDescC, prxmNatVarBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The variable descriptions: the VAR children of a VARIABLES.
using prxmNatVarDescListC = prxmObjListObjTypeContainerTemplateC<prxmNatVarDescC, pShellVarDescC>;
