// One entry of a keyword registry: the key word of a node class, the prototype object that
// handles nodes with that key word, and the priority that decides between two registrations.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "memman/pageMemT.h"

class metaObjectInterfaceListEntryC {
 public:
  int32_t priority = 0;
  str keyword;
  // The prototype's interface part: the base class through which the registry's users call it.
  // Each registry holds one interface type; the typed lookups cast back to it.
  void* prototype = nullptr;
  // Decides between registrations of equal priority (see registerKeyword); static text.
  const char* tieName = "";
};

// A keyword registry: entries sorted by key word in ascending byte order, each key word once.
using metaObjectInterfaceListC = pageMemT<metaObjectInterfaceListEntryC, 3>;
