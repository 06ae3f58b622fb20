// Blocks of one size for a caller that makes many at once: they come from the small-block heap
// a run at a time, which costs far less than a block per request. Each is a block as
// memDataPoolAlloc gives it, freed as any other; blocks nobody took go back with giveBack or
// with the run.
#pragma once

#include <cstdint>

class memPoolBlockRunC {
 public:
  explicit memPoolBlockRunC(uint32_t blockSize) : size(blockSize) {}
  memPoolBlockRunC(const memPoolBlockRunC&) = delete;
  memPoolBlockRunC& operator=(const memPoolBlockRunC&) = delete;
  ~memPoolBlockRunC() { giveBack(); }

  void* take() {
    if (left == 0) [[unlikely]]
      refill();
    return blocks[--left];
  }
  void giveBack();

 private:
  void refill();

  static constexpr uint32_t runLength = 64;
  void* blocks[runLength];
  uint32_t left = 0;
  uint32_t size;
};
