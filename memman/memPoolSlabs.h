// The frames the small-block heap's pages live in, carved from slabs of 2 MiB that the heap
// maps from the system itself, asking for huge pages where the system offers them: a large
// tree takes its memory in a few dozen steps instead of thousands, and touching it faults a
// few dozen times instead of tens of thousands. Frames are handed out in address order, so a
// slab is touched only as far as it is used.
//
// A slab whose frames are all free again is kept for reuse while at most memPoolRetainedSlabs
// are kept; beyond that, and always once releasing everything, it goes back to the system.
#pragma once

#include <cstddef>
#include <cstdint>

#include "memman/memPoolPageS.h"

constexpr size_t memPoolSlabBytes = size_t(2) << 20;
constexpr uint32_t memPoolRetainedSlabs = 32;
// As many frames as fit beside a slab's bookkeeping, which takes a byte per frame.
constexpr uint32_t memPoolFramesPerSlab = uint32_t((memPoolSlabBytes - 3 * sizeof(void*)) / (sizeof(memPoolPageS) + 1));

// A frame for one page, its contents not set.
memPoolPageS* memPoolTakeFrame();
// The page's frame is free again; with releaseAll a slab that empties is never kept.
void memPoolGiveFrame(memPoolPageS* page, bool releaseAll);
// Gives every kept slab back to the system.
void memPoolReleaseRetainedSlabs();

// The frame of a mapped slab that holds address, whatever the frame holds now, and the offset
// of address in it; null for an address in no slab or in a slab's bookkeeping. Finding it
// reads nothing at the address.
memPoolPageS* memPoolFrameOf(const void* address, uint32_t& offset);

// Slabs mapped now, and how many of them are kept with every frame free.
uint32_t memPoolSlabCount();
uint32_t memPoolRetainedSlabCount();
