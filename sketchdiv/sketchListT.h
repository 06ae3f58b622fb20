// The engine's record list: records by value in pages of 8 that never move, so a pointer to a
// record stays valid while the list grows (chains point into such lists). Pages are added
// through pageMemReservePages, so its page table grows by doubling.
#pragma once

#include <cstdint>
#include <utility>

#include "memman/pageMemReserve.h"
#include "memman/pageMemT.h"

template <class T>
class sketchListT : public pageMemT<T, 3> {
  using base = pageMemT<T, 3>;

 public:
  sketchListT() = default;
  sketchListT(const sketchListT& other) : base() { assignFrom(other); }
  sketchListT& operator=(const sketchListT& other) {
    if (this != &other) assignFrom(other);
    return *this;
  }

  uint32_t count() const { return this->elementCount; }

  // The record at the index; null at or beyond the count.
  T* at(uint32_t index) { return index < this->elementCount ? &(*this)[index] : nullptr; }
  const T* at(uint32_t index) const { return index < this->elementCount ? &(*this)[index] : nullptr; }

  // A record of this very list may be appended: pages never move.
  T& append(const T& record) {
    const uint32_t index = this->elementCount;
    if (index / base::pageSize >= this->pageCount) pageMemReservePages(*this, uint64_t(this->pageCount) + 1);
    T& slot = (*this)[index];
    slot = record;
    ++this->elementCount;
    return slot;
  }

  void appendAll(const sketchListT& other) {
    const uint32_t n = other.count();
    for (uint32_t i = 0; i < n; ++i) append(other[i]);
  }

  // Exchanges the records of the two lists without copying one.
  void swapWith(sketchListT& other) {
    std::swap(this->pageTable.data, other.pageTable.data);
    std::swap(this->pageTable.size, other.pageTable.size);
    std::swap(this->pageCount, other.pageCount);
    std::swap(this->elementCount, other.elementCount);
  }

  // Count 0; the pages and the records in them stay for reuse.
  void setEmpty() { this->elementCount = 0; }

  void shrinkBy(uint32_t n) { this->elementCount = n > this->elementCount ? 0 : this->elementCount - n; }

  // Frees every page with its records and the page table.
  void clear() {
    for (uint32_t i = 0; i < this->pageCount; ++i) delete this->pageTable.data[i];
    this->pageTable.freeData();
    this->pageCount = 0;
    this->elementCount = 0;
  }

  // Pages are added until the index has one; the count follows the index.
  void resizeTo(uint32_t newCount) {
    pageMemReservePages(*this, uint64_t(newCount / base::pageSize) + 1);
    this->elementCount = newCount;
  }

 private:
  void assignFrom(const sketchListT& other) {
    const uint32_t n = other.count();
    if (n > 0) resizeTo(n);
    this->elementCount = n;
    for (uint32_t i = 0; i < n; ++i) (*this)[i] = other[i];
  }
};
