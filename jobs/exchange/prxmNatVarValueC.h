// The script object of a variable value: its name and deleted flag (prxmNatVarBaseC) and its
// value as a text (Value). The lists of a document's current variable set and of a variable
// table's lines hand them out.
#pragma once

#include <cstdint>

#include "jobs/exchange/pShellVarValueC.h"
#include "jobs/exchange/prxmNatVarBaseC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<pShellVarValueC> {
  static const char* get() { return "class pShellVarValueC"; }
};

class prxmNatVarValueC : public prxmNatVarBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmNatVarValueC(const metaObjectC& source) : prxmNatVarBaseC(source) { setClass(description); }
  prxmNatVarValueC(metaTreeC* node, uint32_t owns) : prxmNatVarBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};

// A set of variable values: the VAR children of a CURVARSET or a VARSET.
using prxmNatVarValueListC = prxmObjListObjTypeContainerTemplateC<prxmNatVarValueC, pShellVarValueC>;
