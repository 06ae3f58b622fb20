// A collection of objects handed to a host, each item held with one reference.
#pragma once

#include <cstdint>
#include <cstring>

#include "memman/memManSystemC.h"
#include "mzcom/mzIComObjectCollection.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzOutAnswer.h"
#include "proxy/defMZCOMWrapperT.h"

template <class T>
class mzClassObjectCollectionT
    : public defMZCOMWrapperT<mzClassObjectCollectionT<T>, mzIComObjectCollection, mzIID_IComObjectCollection> {
 public:
  // Starts with slots empty slots (null items).
  explicit mzClassObjectCollectionT(uint32_t slots) : count(slots) {
    if (!count) return;
    uint64_t bytes = uint64_t(count) * sizeof(T*);
    items = static_cast<T**>(getMemManSystem(0)->allocate(uint32_t(bytes)));
    std::memset(items, 0, bytes);
  }

  ~mzClassObjectCollectionT() override {
    for (uint32_t i = 0; i < count; ++i)
      if (items[i]) items[i]->Release();
    if (items) getMemManSystem(0)->free(items);
  }

  uint32_t getCount(uint32_t* out) override { return answerOut(out, count); }

  uint32_t getItem(uint32_t index, mzIUnknown** out) override {
    if (!out || index >= count) return 1;
    if (items[index]) items[index]->AddRef();
    *out = items[index];
    return 0;
  }

  // Appends item with a reference of the collection's own; 0.
  uint32_t add(T* item) {
    uint64_t bytes = (uint64_t(count) + 1) * sizeof(T*);
    items = static_cast<T**>(getMemManSystem(0)->reallocate(items, uint32_t(bytes)));
    if (item) item->AddRef();
    items[count++] = item;
    return 0;
  }

 private:
  T** items = nullptr;
  uint32_t count;
};
