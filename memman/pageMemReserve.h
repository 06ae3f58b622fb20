// Room for many pages of a paged array at once. The array's own addPage grows its page table by
// one entry, copying the whole table each time; callers that append a great many elements
// (samplings of a million points, loops of a hundred thousand lines) reserve through here, so
// the table grows by doubling and its copies cost linear time in all.
#pragma once

#include <cstdint>

#include "memman/memManDataPoolC.h"
#include "memman/pageMemT.h"

// Adds pages until the array holds at least pages of them.
template <class T, int N>
void pageMemReservePages(pageMemT<T, N>& array, uint64_t pages) {
  using pageT = typename pageMemT<T, N>::pageIC;
  if (pages <= array.pageCount) return;
  const uint64_t capacity = array.pageTable.count();
  if (pages > capacity) {
    const uint64_t doubled = capacity < 4 ? 4 : capacity * 2;
    array.pageTable.resizeBytes(memManDataPoolC<pageT*>::bytesFor(pages > doubled ? pages : doubled));
  }
  while (array.pageCount < pages) array.pageTable.data[array.pageCount++] = new pageT;
}

// Adds pages until the array has room for count elements.
template <class T, int N>
void pageMemReserveElements(pageMemT<T, N>& array, uint32_t count) {
  pageMemReservePages(array, (uint64_t(count) >> N) + 1);
}
