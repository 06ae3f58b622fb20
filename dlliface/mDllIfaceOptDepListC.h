// The dependencies of an option: its DEPS node. The keyed list sees the DEP children; the
// lookups by ID scan every child, whatever its key word.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "dlliface/mDllIfaceOptDepInfoC.h"

class mDllIfaceOptDepListC : public metaObjKeyContainerTemplateC<mDllIfaceOptDepInfoC> {
 public:
  using metaObjKeyContainerTemplateC::metaObjKeyContainerTemplateC;

  // The first child whose ID text is id; an empty view when none is.
  mDllIfaceOptDepInfoC findDep(const char* id);
  bool hasDep(const char* id) { return findDep(id).isValid() != 0; }
  // The dependency found, else a new DEP holding only an ID of id, appended last.
  mDllIfaceOptDepInfoC addDep(const char* id);
};
