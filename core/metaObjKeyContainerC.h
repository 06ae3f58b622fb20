// A list of the children of the view's node that carry one key word, reached by index
// through an index cache.
#pragma once

#include <cstdint>

#include "core/metaObjNodeCacheC.h"
#include "core/metaObjectC.h"

class metaObjKeyContainerC : public metaObjectC {
 public:
  using metaObjectC::metaObjectC;
  // A copy of the other's handle with an empty cache. A copy constructor is not inherited,
  // and one written out names every base, the virtual handle too.
  metaObjKeyContainerC(const metaObjKeyContainerC& other) : metaObjectVirtualDataBaseC(other), metaObjectC(other) {}
  // Assigns the handle and empties the cache.
  metaObjKeyContainerC& operator=(const metaObjKeyContainerC& other);

  // The index-th child with the key word, or null. Index -1 fills the cache for the key.
  metaTreeC* keyedChildAt(int index, const char* key) { return cache.keyedChildAt(node, uint32_t(index), key); }
  // The number of children with the key word, counted through the cache.
  uint32_t getKeyedCount(const char* key);
  // The number of LOOP children.
  uint32_t getLoopCount() { return getKeyedCount("LOOP"); }
  // Appends word children with the key until there are n + 1 of them; returns the n-th.
  metaTreeC* getOrCreateChildByKeywordNr(const char* key, int n);

 protected:
  metaObjNodeCacheC cache;
};
