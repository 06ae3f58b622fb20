// A list of numbers: the children of the view's node, each a double.
#pragma once

#include <cstdint>

#include "core/metaObjListContainerC.h"
#include "core/metaTreeC.h"
#include "memman/memManDataPoolC.h"

template <class T>
class metaObjListValContainerT : public metaObjListContainerC {
 public:
  metaObjListValContainerT() = default;
  metaObjListValContainerT(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), metaObjListContainerC(root, owns) {}

  // The children become one double per value, in order.
  void setValues(const T* values, uint32_t count) {
    if (!node) return;
    metaTreeC::deleteChildren(node);
    ++metaTreeChangeCounter;
    appendValues(values, count);
  }

  // The value of every child, in order; empty without a node or children. A child that holds
  // no double gives 0 rather than a reading of another kind's bits.
  memManDataPoolC<T> getValues() {
    memManDataPoolC<T> values(getCount());
    for (uint32_t i = 0; i < values.count(); ++i) {
      const metaTreeC* item = childAt(int(i));
      values.data[i] = item->value.isDouble() ? T(item->value.getDouble()) : T();
    }
    return values;
  }

  // Appends one double child per value, in order.
  void appendValues(const T* values, uint32_t count) {
    if (!node || !values) return;
    metaTreeC* last = node->firstChild ? metaTreeC::lastSibling(node->firstChild) : nullptr;
    for (uint32_t i = 0; i < count; ++i) {
      metaTreeC* item = new metaTreeC;
      item->value.setDouble(nullptr, double(values[i]));
      if (last) metaTreeC::linkAfter(item, last);
      else metaTreeC::linkAsFirstChildren(item, node);
      last = item;
      ++metaTreeChangeCounter;
    }
  }
};
