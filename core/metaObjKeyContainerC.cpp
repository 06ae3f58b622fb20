#include "core/metaObjKeyContainerC.h"

#include "core/metaTreeC.h"

metaObjKeyContainerC& metaObjKeyContainerC::operator=(const metaObjKeyContainerC& other) {
  metaObjectVirtualDataBaseC::operator=(other);
  cache.reset();
  return *this;
}

metaTreeC* metaObjKeyContainerC::keyedChildAt(int index, const char* key) {
  if (!key) return nullptr;
  // A cache of one key's children does not answer for another key.
  if (cachedKey != key) {
    cache.reset();
    cachedKey = key;
  }
  return cache.keyedChildAt(node, uint32_t(index), key);
}

metaTreeC* metaObjKeyContainerC::getOrCreateChildByKeywordNr(const char* key, int n) {
  if (!node || !key || n < 0) return nullptr;
  for (uint32_t count = countChildrenWithKeyword(key); count <= uint32_t(n); ++count) metaTreeC::appendWordChild(node, key);
  return keyedChildAt(n, key);
}
