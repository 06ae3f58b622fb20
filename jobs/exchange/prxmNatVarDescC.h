// The script object of a variable description: its name and deleted flag (prxmNatVarBaseC),
// its type (Type), unit (Unit), description (Desc) and table name (TabName) as texts, its
// precision (Prec) as a double and its hidden flag (Hidden) as an integer. The description
// list of a check-in document hands them out.
#pragma once

#include <cstdint>

#include "jobs/exchange/pShellVarDescC.h"
#include "jobs/exchange/prxmNatVarBaseC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<pShellVarDescC> {
  static const char* get() { return "class pShellVarDescC"; }
};

class prxmNatVarDescC : public prxmNatVarBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatVarDescC(const metaObjectC& source) : prxmNatVarBaseC(source) { setClass(description); }
  prxmNatVarDescC(metaTreeC* node, uint32_t owns) : prxmNatVarBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};

// The variable descriptions: the VAR children of a VARIABLES.
using prxmNatVarDescListC = prxmObjListObjTypeContainerTemplateC<prxmNatVarDescC, pShellVarDescC>;
