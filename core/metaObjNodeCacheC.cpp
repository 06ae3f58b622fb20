#include "core/metaObjNodeCacheC.h"

#include <string_view>

#include "core/metaTreeC.h"

void metaObjNodeCacheC::reset() {
  pages.elementCount = 0;
  root = nullptr;
  stamp = 0;
}

void metaObjNodeCacheC::validate(const metaTreeC* parent) {
  if (stamp != metaTreeChangeCounter || root != parent) pages.elementCount = 0;
  root = parent;
  stamp = metaTreeChangeCounter;
}

template <class acceptT>
metaTreeC* metaObjNodeCacheC::extendTo(const metaTreeC* parent, uint32_t index, acceptT accept) {
  validate(parent);
  uint32_t count = pages.elementCount;
  if (index < count) return pages[index];
  metaTreeC* next = count ? pages[count - 1]->next : parent ? parent->firstChild : nullptr;
  for (; next; next = next->next) {
    if (!accept(next)) continue;
    *pages.newElement() = next;
    if (pages.elementCount == index + 1) return next;
  }
  return nullptr;
}

metaTreeC* metaObjNodeCacheC::childAt(const metaTreeC* parent, uint32_t index) {
  return extendTo(parent, index, [](const metaTreeC*) { return true; });
}

metaTreeC* metaObjNodeCacheC::keyedChildAt(const metaTreeC* parent, uint32_t index, const char* key) {
  std::string_view wanted(key);
  return extendTo(parent, index, [wanted](const metaTreeC* node) { return node->hasKeyword(wanted); });
}
