// A keyed list typed by its element view: the children whose key word is T::classKey, each
// seen as a non-owning T. T is built over (node, owns).
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerC.h"
#include "core/metaTreeC.h"

template <class T>
class metaObjKeyContainerTemplateC : public metaObjKeyContainerC {
 public:
  using metaObjKeyContainerC::metaObjKeyContainerC;
  metaObjKeyContainerTemplateC(const metaObjKeyContainerTemplateC& other) = default;
  metaObjKeyContainerTemplateC& operator=(const metaObjKeyContainerTemplateC& other) {
    metaObjKeyContainerC::operator=(other);
    return *this;
  }

  uint32_t getCount() { return getKeyedCount(T::classKey); }
  metaTreeC* getItemNode(int index, uint32_t* found = nullptr) {
    metaTreeC* item = keyedChildAt(index, T::classKey);
    if (found) *found = item ? 1 : 0;
    return item;
  }
  // An empty view when there is no such item.
  T getItem(int index, uint32_t* found = nullptr) { return T(getItemNode(index, found), 0); }
  // A new last child holding only T's key word, as a non-owning T; an empty T without a node.
  T append() { return T(node ? metaTreeC::appendWordChild(node, T::classKey) : nullptr, 0); }
};
