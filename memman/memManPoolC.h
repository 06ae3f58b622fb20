// The small-block heap behind memManSystemC: blocks of 1 to 2048 bytes come from
// fixed pages (frames of slabs the heap maps itself, memPoolSlabs.h), one page list per 8-byte
// size class; other sizes go to the C heap.
#pragma once

#include <cstdint>

// A block is never null: a C heap that cannot supply one ends the process.
void* memDataPoolAlloc(uint32_t size);
// Up to count blocks of size bytes in one step, all from one page of the size's class (count
// at least 1); returns how many were given, at least 1. A size that makes large blocks, or a
// report running, gives one. Each is a block as memDataPoolAlloc gives it.
uint32_t memDataPoolAllocRun(uint32_t size, void** blocks, uint32_t count);
// Null is ignored. A block freed twice, or a pointer that names no block of a page, is
// reported and refused; neither changes a count or a page.
void memDataPoolFree(void* payload);
// Always moves the block, also when it shrinks.
void* memDataPoolRealloc(void* payload, uint32_t size);
// The size the caller asked for when the block was made; 0 for a block that is not live.
uint32_t memDataPoolBlockSize(void* payload);
// Gives back to the system every page kept empty for reuse and, only when no block is
// outstanding, every other page; then every slab left without a page.
void releaseAllPoolPages();

// The heap's unload hook. It has no fields: the heap's state is process-wide, and the one
// static instance's destructor runs at unload.
class memManPoolC {
 public:
  // From now on every page that empties is released; all pages go now if no block is live, and
  // the pages and slabs kept for reuse go in any case.
  // With MZMEMTRACK_LEAK the memory report of what is still live follows.
  ~memManPoolC();
};
