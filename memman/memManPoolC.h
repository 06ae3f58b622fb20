// The small-block heap behind memManSystemC: blocks of 1 to 2048 bytes come from
// fixed pages, one page list per 8-byte size class; other sizes go to the C heap.
#pragma once

#include <cstdint>

void* memDataPoolAlloc(uint32_t size);
void memDataPoolFree(void* payload);
void* memDataPoolRealloc(void* payload, uint32_t size);
// The size the caller asked for when the block was made.
uint32_t memDataPoolBlockSize(void* payload);
// Gives every page back to the C heap, only when no block is outstanding.
void releaseAllPoolPages();
