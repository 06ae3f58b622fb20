#include "memman/memPoolPageTableC.h"

#include <algorithm>

#include "memman/memPoolSystemHeap.h"

constinit memPoolPageS memPoolNoPage{};

uint32_t memPoolPageTableC::add(memPoolPageS* page) {
  uint32_t number;
  if (freeCount > 0) {
    number = freeNumbers[--freeCount];
  } else {
    if (highestNumber + 1 >= memPoolOwnerLarge) memPoolOutOfMemory(sizeof(memPoolPageS));
    number = ++highestNumber;
    if (number >= capacity) {
      uint32_t grown = capacity ? capacity * 2 : 64;
      pages = static_cast<memPoolPageS**>(memPoolSystemRealloc(pages, size_t(grown) * sizeof(memPoolPageS*)));
      freeNumbers = static_cast<uint32_t*>(memPoolSystemRealloc(freeNumbers, size_t(grown) * sizeof(uint32_t)));
      std::fill(pages + capacity, pages + grown, &memPoolNoPage);
      capacity = grown;
      setPlainHeaders(plainHeaders);
    }
  }
  pages[number] = page;
  page->number = number;
  ++liveCount;
  return number;
}

void memPoolPageTableC::remove(uint32_t number) {
  if (!find(number)) return;
  pages[number] = &memPoolNoPage;
  freeNumbers[freeCount++] = number;
  if (--liveCount > 0) return;
  // The last page goes only at unload: the arrays go with it, so a library unloaded from a
  // process leaves nothing behind (a later page makes them anew).
  memPoolSystemFree(pages);
  memPoolSystemFree(freeNumbers);
  pages = nullptr;
  freeNumbers = nullptr;
  capacity = highestNumber = freeCount = plainLimit = 0;
}

void memPoolPageTableC::setPlainHeaders(bool plain) {
  plainHeaders = plain;
  plainLimit = plain ? capacity : 0;
}
