// A list of extended attributes: the children of an EXTATTRLIST node.
#pragma once

#include "core/mExtAttrBaseC.h"
#include "core/metaObjListContainerC.h"

class mExtAttrListC : public metaObjListContainerC {
 public:
  static constexpr const char* classKey = "EXTATTRLIST";

  using metaObjListContainerC::metaObjListContainerC;

  // The first item whose NAME equals name without regard to case (every item is read as an
  // attribute, and gets a NAME when it has none); an empty view when none does.
  mExtAttrBaseC findByName(const char* name);
};
