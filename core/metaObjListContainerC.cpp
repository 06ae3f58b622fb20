#include "core/metaObjListContainerC.h"

metaObjListContainerC& metaObjListContainerC::operator=(const metaObjListContainerC& other) {
  metaObjectVirtualDataBaseC::operator=(other);
  cache.reset();
  return *this;
}

metaTreeC* metaObjListContainerC::getItemNode(int index, uint32_t* found) {
  metaTreeC* item = childAt(index);
  if (found) *found = item ? 1 : 0;
  return item;
}

uint32_t metaObjListContainerC::getCount() {
  cache.childAt(node, metaObjNodeCacheC::toEnd);
  return cache.count();
}
