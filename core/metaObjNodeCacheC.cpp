#include "core/metaObjNodeCacheC.h"

#include <string_view>

#include "core/metaTreeC.h"

void metaObjNodeCacheC::reset() {
  pages.elementCount = 0;
  root = nullptr;
  stamp = 0;
}

void metaObjNodeCacheC::validate(const metaTreeC* parent, bool isKeyed, const char* wanted) {
  bool sameKey = keyed == isKeyed && (!isKeyed || key == wanted);
  if (stamp != metaTreeChangeCounter || root != parent || !sameKey) pages.elementCount = 0;
  if (!sameKey) {
    keyed = isKeyed;
    key = isKeyed ? wanted : "";
  }
  root = parent;
  stamp = metaTreeChangeCounter;
}

template <class acceptT>
metaTreeC* metaObjNodeCacheC::extendTo(const metaTreeC* parent, uint32_t index, acceptT accept) {
  uint32_t count = pages.elementCount;
  if (index < count) return pages[index];
  metaTreeC* next = count ? pages[count - 1]->next : parent ? parent->firstChild : nullptr;
  for (; next; next = next->next) {
    if (!accept(next)) continue;
    *pages.newElement() = next;
    if (pages.elementCount - 1 == index) return next;
  }
  return nullptr;
}

metaTreeC* metaObjNodeCacheC::childAt(const metaTreeC* parent, uint32_t index) {
  validate(parent, false, nullptr);
  return extendTo(parent, index, [](const metaTreeC*) { return true; });
}

metaTreeC* metaObjNodeCacheC::keyedChildAt(const metaTreeC* parent, uint32_t index, const char* wanted) {
  if (!wanted) return nullptr;
  validate(parent, true, wanted);
  std::string_view text(wanted);
  return extendTo(parent, index, [text](const metaTreeC* node) { return node->hasKeyword(text); });
}
