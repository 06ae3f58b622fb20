// One class identifier of a classification entry: the identifier (CLASSID) and the list of
// its variables (DOCCLASSIFYVARLIST, every child an item), found by key word and created when
// missing.
#pragma once

#include <cstdint>

#include "core/metaObjListObjectContainerC.h"
#include "core/metaObjectC.h"

class mDocClassifyIdInfoC : public metaObjectC {
 public:
  // The class of the view, whatever the key word of the node it is over.
  static constexpr const char* classKey = "DOCCLASSIFYIDINFO";

  using metaObjectC::metaObjectC;

  str getClassId() { return getStringAttribute("CLASSID"); }
  metaObjListObjectContainerC getClassVarList() {
    return metaObjListObjectContainerC(attributeNode("DOCCLASSIFYVARLIST"), 0);
  }
};
