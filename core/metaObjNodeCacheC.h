// The index cache of a child container: the children of one node found so far, in order,
// valid while no tree changed (the change counter stands still), the node is the same and,
// for keyed lookups, the key is the same. Filled lazily, so walking a list from 0 upward costs
// linear time in all.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "memman/pageMemT.h"

class metaTreeC;

class metaObjNodeCacheC {
 public:
  // Index -1 walks to the end, leaving the number of children in count().
  static constexpr uint32_t toEnd = 0xFFFFFFFFu;

  metaObjNodeCacheC() = default;
  // A copy starts empty.
  metaObjNodeCacheC(const metaObjNodeCacheC&) {}
  metaObjNodeCacheC& operator=(const metaObjNodeCacheC&) = delete;

  // The index-th child of parent (from 0), or null.
  metaTreeC* childAt(const metaTreeC* parent, uint32_t index);
  // The index-th child of parent whose key word is key, or null.
  metaTreeC* keyedChildAt(const metaTreeC* parent, uint32_t index, const char* key);
  // The number of children cached.
  uint32_t count() const { return pages.elementCount; }
  // Empties the cache; its pages stay for reuse.
  void reset();

 private:
  void validate(const metaTreeC* parent, bool isKeyed, const char* key);
  template <class acceptT>
  metaTreeC* extendTo(const metaTreeC* parent, uint32_t index, acceptT accept);

  pageMemT<metaTreeC*, 5> pages;
  const metaTreeC* root = nullptr;
  uint32_t stamp = 0;
  // Whether the cache holds the children of one key word, and which.
  bool keyed = false;
  str key;
};
