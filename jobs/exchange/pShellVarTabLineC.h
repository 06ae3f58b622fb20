// A line of a variable table: a VARSET node, itself a set of variable values (its VAR
// children). It has no fields of its own.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "jobs/exchange/pShellVarValueC.h"

class pShellVarTabLineC : public pShellVarValueListC {
 public:
  static constexpr const char* classKey = "VARSET";

  using pShellVarValueListC::pShellVarValueListC;
};

// A variable table: the VARSET lines of a VARSETTABLE.
using pShellVarTableC = metaObjKeyContainerTemplateC<pShellVarTabLineC>;
