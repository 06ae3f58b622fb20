// A list of model objects: all children of the view's node, in order, reached by index
// through an index cache.
#pragma once

#include <cstdint>

#include "core/metaObjNodeCacheC.h"
#include "core/metaObjectC.h"

class metaObjListContainerC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;
  // A copy of the other's handle with an empty cache. A copy constructor is not inherited,
  // and one written out names every base, the virtual handle too.
  metaObjListContainerC(const metaObjListContainerC& other) : metaObjectVirtualDataBaseC(other), metaObjectC(other) {}
  // Assigns the handle and empties the cache.
  metaObjListContainerC& operator=(const metaObjListContainerC& other);

  // The index-th child, or null.
  metaTreeC* childAt(int index) { return cache.childAt(node, uint32_t(index)); }
  // The item node at index, or null; found tells which.
  metaTreeC* getItemNode(int index, uint32_t* found = nullptr);
  // The number of children, counted through the cache, which then holds them all.
  uint32_t getCount();

 protected:
  metaObjNodeCacheC cache;
};
