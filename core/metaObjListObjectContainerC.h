// A list of model objects of any key word: all children of the view's node, in order, each
// an item of the list.
#pragma once

#include <cstdint>

#include "core/metaObjListContainerC.h"

class metaObjListObjectContainerC : public metaObjListContainerC {
 public:
  using metaObjListContainerC::metaObjListContainerC;
};
