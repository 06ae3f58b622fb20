// A list of numbers: the children of the view's node, each a double.
#pragma once

#include <cstdint>
#include <type_traits>

#include "base/mzNumberText.h"
#include "core/metaObjListContainerC.h"
#include "core/metaTreeC.h"
#include "memman/memManDataPoolC.h"

template <class T>
class metaObjListValContainerT : public metaObjListContainerC {
 public:
  using metaObjListContainerC::metaObjListContainerC;

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
      values.data[i] = item->value.isDouble() ? fromStored(item->value.getDouble()) : T();
    }
    return values;
  }

  // The index-th child's double, found 1; 0.0 with found 0 when there is no such child or it
  // holds no double.
  T getAt(int index, uint32_t* found = nullptr) {
    const metaTreeC* item = index < 0 ? nullptr : childAt(index);
    const bool present = item && item->value.isDouble();
    if (found) *found = present ? 1 : 0;
    return present ? fromStored(item->value.getDouble()) : T();
  }

  // The index-th child takes the value as a double, whatever it held; found 0 when there is no
  // such child, and then nothing changes.
  void setAt(int index, T value, uint32_t* found = nullptr) {
    metaTreeC* item = index < 0 ? nullptr : childAt(index);
    if (found) *found = item ? 1 : 0;
    if (!item) return;
    item->value.setDouble(item->value.getPosition(), double(value));
    // A word item that becomes a number leaves the keyed caches over the list.
    ++metaTreeChangeCounter;
  }

  // A double child after the last one; nothing without a node.
  void append(T value) { appendValues(&value, 1); }

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

 private:
  // A stored double as T: integers by the double-to-int rule, since a plain conversion of a
  // NaN or of a number beyond T's range is undefined.
  static T fromStored(double value) {
    if constexpr (std::is_integral_v<T>) return T(doubleToInt32(value));
    else return T(value);
  }
};
