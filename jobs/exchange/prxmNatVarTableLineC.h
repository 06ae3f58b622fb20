// The script object of a line of a variable table: the set of variable values of a VARSET,
// with the members of every value list and nothing of its own. Its Factory is the list's, the
// meta-object factory.
#pragma once

#include "jobs/exchange/pShellVarTabLineC.h"
#include "jobs/exchange/prxmNatVarValueC.h"
#include "proxy/prxDescribedT.h"

template <>
struct prxClassNameT<pShellVarTabLineC> {
  static const char* get() { return "class pShellVarTabLineC"; }
};

class prxmNatVarTableLineC : public prxDescribedT<prxmNatVarTableLineC, prxmNatVarValueListC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};

// The lines of a variable table: the VARSET children of a VARSETTABLE.
using prxmNatVarTableLinesC = prxmObjListObjTypeContainerTemplateC<prxmNatVarTableLineC, pShellVarTabLineC>;
