// One classification entry of a document: its name (NAME) and the list of its class
// identifiers (DOCCLASSIFYIDLIST, every child an item). The properties are found by key word,
// and created when missing, so their order does not matter.
#pragma once

#include <cstdint>

#include "core/metaObjListObjectContainerC.h"
#include "core/metaObjectC.h"

class mDocClassifyInfoC : public metaObjectC {
 public:
  // The class of the view, whatever the key word of the node it is over.
  static constexpr const char* classKey = "DOCCLASSIFYINFO";

  using metaObjectC::metaObjectC;

  str getName() { return getStringAttribute("NAME"); }
  metaObjListObjectContainerC getClassIdList() { return metaObjListObjectContainerC(attributeNode("DOCCLASSIFYIDLIST"), 0); }
};
