// Numbers for the heap's pages: a live block's 32-bit owner word names its page by number,
// which stays exact whatever the width of an address. Numbers of released pages are reused.
#pragma once

#include <cstdint>

#include "memman/memPoolPageS.h"

class memPoolPageTableC {
 public:
  // The page's number: never 0, and below the owner marks of freed and large blocks.
  uint32_t add(memPoolPageS* page);
  void remove(uint32_t number);
  // Null when no page holds the number.
  memPoolPageS* find(uint32_t number) const {
    return number != 0 && number <= highestNumber ? pages[number] : nullptr;
  }
  uint32_t pageCount() const { return liveCount; }

 private:
  // The table is only ever read through plain pointers, so it may be used by static objects
  // destroyed after the heap's own exit hook; its arrays are freed with the last page.
  memPoolPageS** pages = nullptr;  // by number; entry 0 unused
  uint32_t* freeNumbers = nullptr;  // numbers of released pages, to hand out again
  uint32_t capacity = 0;
  uint32_t highestNumber = 0;
  uint32_t freeCount = 0;
  uint32_t liveCount = 0;
};
