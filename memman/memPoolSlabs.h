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

// The bases of the mapped slabs, by which memPoolFrameOf tells an address of a slab: open
// addressing over a power-of-two table with linear probes, a base's home slot being its slab
// number. Kept by memPoolSlabs.cpp.
struct memPoolSlabIndexS {
  uintptr_t* bases;  // never null: a table of one empty slot while no slab is mapped
  uint32_t mask;     // slots - 1
};
// An empty slot: no base is odd.
constexpr uintptr_t memPoolNoSlabBase = 1;
extern memPoolSlabIndexS memPoolSlabIndex;

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

// The same for an address whose slab has its base in its home slot of the index: found there
// with a single probe, and otherwise left to memPoolFrameOf (false here). Takes the address
// as a number, so that one computed from a null pointer is merely refused.
inline bool memPoolFrameAtHome(uintptr_t at, memPoolPageS*& frame, uint32_t& offset) {
  uintptr_t base = at & ~uintptr_t(memPoolSlabBytes - 1);
  if (memPoolSlabIndex.bases[uint32_t(base / memPoolSlabBytes) & memPoolSlabIndex.mask] != base) return false;
  uint32_t inSlab = uint32_t(at - base);
  if (inSlab >= memPoolFramesPerSlab * uint32_t(sizeof(memPoolPageS))) return false;
  uint32_t index = inSlab / uint32_t(sizeof(memPoolPageS));
  uintptr_t start = base + size_t(index) * sizeof(memPoolPageS);
  offset = uint32_t(at - start);
  frame = reinterpret_cast<memPoolPageS*>(start);
  return true;
}

// Slabs mapped now, and how many of them are kept with every frame free.
uint32_t memPoolSlabCount();
uint32_t memPoolRetainedSlabCount();
