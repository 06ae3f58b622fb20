// Blocks held by a heap test and freed when it ends; measures against whatever state the
// heap is in, since other tests in the same process use it too.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "memman/memManPoolC.h"
#include "memman/memManPoolInspect.h"

inline uint32_t sizeClassOf(uint32_t size) { return (size + 7) / 8 - 1; }

struct memPoolTestBlocks {
  std::vector<void*> blocks;

  memPoolTestBlocks() = default;
  memPoolTestBlocks(const memPoolTestBlocks&) = delete;
  memPoolTestBlocks& operator=(const memPoolTestBlocks&) = delete;
  ~memPoolTestBlocks() {
    for (void* block : blocks) memDataPoolFree(block);
  }

  void* take(uint32_t size) {
    blocks.push_back(memDataPoolAlloc(size));
    return blocks.back();
  }
  // Fills every page on the size class's list, so that the next request opens a page.
  void drainClass(uint32_t size) {
    while (memPoolClassListHead(sizeClassOf(size))) take(size);
  }
  // Fills the class's pages and the emptied page it keeps, so that the next request opens a
  // page set up afresh, whatever earlier tests left in the class: a kept page hands out its
  // blocks in the order they were freed.
  void drainClassAndSpare(uint32_t size) {
    while (memPoolClassListHead(sizeClassOf(size)) || memPoolClassSpare(sizeClassOf(size))) take(size);
  }
  void give(void* block) {
    blocks.erase(std::find(blocks.begin(), blocks.end(), block));
    memDataPoolFree(block);
  }
};
