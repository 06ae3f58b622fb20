// Two classes registered for one key word with one priority, by registrars in two source
// files; which one a registry keeps must not depend on the order the files are linked in.
#pragma once

#include "core/metaObjectInterfaceListEntryC.h"

struct tieAlphaC {
  virtual ~tieAlphaC() = default;
};
struct tieOmegaC : tieAlphaC {};

extern metaObjectInterfaceListC* tieTestRegistry;
