// A paged array: elements live in pages of 2^N that never move once made, so an element's
// address stays valid while the array grows. Pages are only added, at the end, and are
// freed with the array. The elements of a page are made with the page (default-initialised)
// and destroyed with it, not when the element count changes.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>

#include "memman/memManDataPoolC.h"
#include "memman/memManInterfaceC.h"

// Element equality for indexOf. Texts (class types read as C texts, such as str) compare by
// their characters, a null text as the empty one.
template <class T>
bool pageElementsEqual(const T& left, const T& right) {
  if constexpr (std::is_class_v<T> && std::is_convertible_v<const T&, const char*>) {
    const char* leftText = left;
    const char* rightText = right;
    return std::strcmp(leftText ? leftText : "", rightText ? rightText : "") == 0;
  } else {
    return left == right;
  }
}

template <class T, int N, class B = memManInterfaceC>
class pageMemT : public B {
 public:
  static constexpr uint32_t pageSize = 1u << N;

  class pageIC : public memManInterfaceC {
   public:
    pageIC() {
      for (T& element : elements) ::new (static_cast<void*>(std::addressof(element))) T;
    }
    ~pageIC() override { std::destroy(std::begin(elements), std::end(elements)); }
    pageIC(const pageIC&) = delete;
    pageIC& operator=(const pageIC&) = delete;

    // Inside a union so that the page, not the language, decides when elements are made.
    union {
      T elements[pageSize];
    };
  };

  memManDataPoolC<pageIC*> pageTable;
  uint32_t pageCount = 0;
  uint32_t elementCount = 0;

  pageMemT() = default;
  pageMemT(const pageMemT& other) : B() { copyFrom(other); }
  pageMemT& operator=(const pageMemT& other) {
    if (this != &other) copyFrom(other);
    return *this;
  }
  ~pageMemT() override {
    for (uint32_t i = 0; i < pageCount; ++i) delete pageTable.data[i];
    pageCount = 0;
    pageTable.freeData();
  }

  T& operator[](uint32_t index) { return pageTable.data[index >> N]->elements[index & (pageSize - 1)]; }
  const T& operator[](uint32_t index) const { return pageTable.data[index >> N]->elements[index & (pageSize - 1)]; }

  // The next element slot, holding what its page made there; adds a page when all are in use.
  T* newElement() {
    uint32_t page = elementCount >> N;
    if (page >= pageCount) addPage();
    T* element = &pageTable.data[page]->elements[elementCount & (pageSize - 1)];
    ++elementCount;
    return element;
  }

  void addPage() {
    pageTable.resizeBytes(memManDataPoolC<pageIC*>::bytesFor(uint64_t(pageCount) + 1));
    pageTable.data[pageCount] = new pageIC;
    ++pageCount;
  }

  // The index of the first element equal to value, -1 when none.
  int indexOf(const T& value) const {
    for (uint32_t i = 0; i < elementCount; ++i)
      if (pageElementsEqual((*this)[i], value)) return int(i);
    return -1;
  }

  // Moves the elements behind index down by one place. An index past the last element
  // removes nothing.
  void removeAt(uint32_t index) {
    if (index >= elementCount) return;
    for (uint32_t i = index + 1; i < elementCount; ++i) (*this)[i - 1] = (*this)[i];
    --elementCount;
  }

 private:
  // Reuses the pages already there and never removes one; a non-empty copy ends with
  // count / pageSize + 1 pages, one spare when the count fills its pages exactly.
  void copyFrom(const pageMemT& other) {
    uint32_t count = other.elementCount;
    elementCount = count;
    if (count > 0)
      while (count / pageSize + 1 > pageCount) addPage();
    for (uint32_t i = 0; i < count; ++i) (*this)[i] = other[i];
  }
};
