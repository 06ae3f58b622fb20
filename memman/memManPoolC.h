// The small-block heap behind memManSystemC: blocks of 1 to 2048 bytes come from
// fixed pages, one page list per 8-byte size class; other sizes go to the C heap.
#pragma once

#include <cstdint>

// A block is never null: a C heap that cannot supply one ends the process.
void* memDataPoolAlloc(uint32_t size);
// Null is ignored. A block freed twice, or a pointer that names no block of a page, is
// reported and refused; neither changes a count or a page.
void memDataPoolFree(void* payload);
// Always moves the block, also when it shrinks.
void* memDataPoolRealloc(void* payload, uint32_t size);
// The size the caller asked for when the block was made; 0 for a block that is not live.
uint32_t memDataPoolBlockSize(void* payload);
// Gives every page back to the C heap, only when no block is outstanding.
void releaseAllPoolPages();

// The heap's unload hook. It has no fields: the heap's state is process-wide, and the one
// static instance's destructor runs at unload.
class memManPoolC {
 public:
  // From now on every page that empties is released; all pages go now if no block is live.
  // With MZMEMTRACK_LEAK the memory report of what is still live follows.
  ~memManPoolC();
};
