// Numbers for the heap's pages: a live block's 32-bit owner word names its page by number,
// which stays exact whatever the width of an address. Numbers of released pages are reused.
#pragma once

#include <cstdint>

#include "memman/memPoolPageS.h"

// What the table holds for a number that names no page: a page without a handed-out slot, so
// that a free looking up a page by an owner word tests no pointer for null.
extern memPoolPageS memPoolNoPage;

class memPoolPageTableC {
 public:
  // The page's number: never 0, and below the owner marks of freed and large blocks.
  uint32_t add(memPoolPageS* page);
  void remove(uint32_t number);
  // Null when no page holds the number. Any 32-bit word may be asked about: every entry below
  // capacity is a page or memPoolNoPage (entry 0 always), so one comparison bounds the lookup.
  memPoolPageS* find(uint32_t number) const {
    memPoolPageS* page = number < capacity ? pages[number] : nullptr;
    return page != &memPoolNoPage ? page : nullptr;
  }
  // The same for the word a plain header's size before a payload, which is the owner word only
  // while headers are plain, but memPoolNoPage instead of null; memPoolNoPage for every word
  // while headers are not plain (call stacks are kept).
  memPoolPageS* findByPlainOwnerWord(uint32_t word) const {
    return __builtin_expect(word < plainLimit, 1) ? pages[word] : &memPoolNoPage;
  }
  void setPlainHeaders(bool plain);
  uint32_t pageCount() const { return liveCount; }

 private:
  // The table is only ever read through plain pointers, so it may be used by static objects
  // destroyed after the heap's own exit hook; its arrays are freed with the last page.
  memPoolPageS** pages = nullptr;  // by number; entry 0 and those of released numbers memPoolNoPage
  uint32_t* freeNumbers = nullptr;  // numbers of released pages, to hand out again
  uint32_t capacity = 0;
  uint32_t plainLimit = 0;  // capacity while headers are plain, else 0
  bool plainHeaders = false;
  uint32_t highestNumber = 0;
  uint32_t freeCount = 0;
  uint32_t liveCount = 0;
};
