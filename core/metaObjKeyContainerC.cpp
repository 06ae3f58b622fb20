#include "core/metaObjKeyContainerC.h"

#include "core/metaTreeC.h"

metaObjKeyContainerC& metaObjKeyContainerC::operator=(const metaObjKeyContainerC& other) {
  metaObjectVirtualDataBaseC::operator=(other);
  cache.reset();
  return *this;
}

uint32_t metaObjKeyContainerC::getKeyedCount(const char* key) {
  if (!key) return 0;
  cache.keyedChildAt(node, metaObjNodeCacheC::toEnd, key);
  return cache.count();
}

metaTreeC* metaObjKeyContainerC::getOrCreateChildByKeywordNr(const char* key, int n) {
  if (!node || !key || n < 0) return nullptr;
  for (uint32_t count = countChildrenWithKeyword(key); count <= uint32_t(n); ++count) metaTreeC::appendWordChild(node, key);
  return keyedChildAt(n, key);
}
