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
  // Null when no page holds the number. Any 32-bit word may be asked about: every entry below
  // capacity is a page or null (entry 0 always null), so one comparison bounds the lookup.
  memPoolPageS* find(uint32_t number) const { return number < capacity ? pages[number] : nullptr; }
  // The same for the word a plain header's size before a payload, which is the owner word only
  // while headers are plain: null for every word while they are not (call stacks are kept).
  memPoolPageS* findByPlainOwnerWord(uint32_t word) const { return word < plainLimit ? pages[word] : nullptr; }
  void setPlainHeaders(bool plain);
  uint32_t pageCount() const { return liveCount; }

 private:
  // The table is only ever read through plain pointers, so it may be used by static objects
  // destroyed after the heap's own exit hook; its arrays are freed with the last page.
  memPoolPageS** pages = nullptr;  // by number; entry 0 and those of released numbers null
  uint32_t* freeNumbers = nullptr;  // numbers of released pages, to hand out again
  uint32_t capacity = 0;
  uint32_t plainLimit = 0;  // capacity while headers are plain, else 0
  bool plainHeaders = false;
  uint32_t highestNumber = 0;
  uint32_t freeCount = 0;
  uint32_t liveCount = 0;
};
