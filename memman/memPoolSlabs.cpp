#include "memman/memPoolSlabs.h"

#include <sys/mman.h>

#include <cstdint>

#include "memman/intrusiveList.h"
#include "memman/memPoolSystemHeap.h"

#if defined(__SANITIZE_ADDRESS__)
#define RUDEZAZE_SLAB_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RUDEZAZE_SLAB_SANITIZER 1
#endif
#endif

#ifdef RUDEZAZE_SLAB_SANITIZER
#include <sanitizer/asan_interface.h>
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The bases of the mapped slabs, by which memPoolFrameOf tells an address of a slab: open
// addressing over a power-of-two table with linear probes, a base's home slot being its slab
// number.
struct slabIndexS {
  uintptr_t* bases;  // never null: a table of one empty slot while no slab is mapped
  uint32_t mask;     // slots - 1
};
// An empty slot: no base is odd.
constexpr uintptr_t noSlabBase = 1;

// The index while no slab is mapped: one empty slot.
constinit uintptr_t noSlabBases[1] = {noSlabBase};
constinit slabIndexS slabIndex = {noSlabBases, 0};

constexpr uint32_t framesPerSlab = memPoolFramesPerSlab;

// The bookkeeping of a slab, in its last bytes, behind its frames.
struct slabS {
  slabS* next;
  slabS* previous;
  uint16_t carved;     // frames from 0 up to here have been handed out at least once
  uint16_t inUse;      // frames holding a page now
  uint16_t freeCount;  // entries of freeFrames
  uint8_t freeFrames[framesPerSlab];  // frames below carved that are free again, a stack
};

static_assert(framesPerSlab * sizeof(memPoolPageS) + sizeof(slabS) <= memPoolSlabBytes, "the frames fit the slab");
static_assert((framesPerSlab + 1) * sizeof(memPoolPageS) + sizeof(slabS) > memPoolSlabBytes, "no frame is left out");
static_assert(sizeof(memPoolPageS) % alignof(memPoolPageS) == 0 && framesPerSlab <= UINT8_MAX + 1);

// Plain, constant-initialised state, as the rest of the heap's.
constinit slabS* partialSlabs = nullptr;   // slabs with a frame to give and a frame in use
constinit slabS* retainedSlabs = nullptr;  // slabs with every frame free
constinit uint32_t retainedCount = 0;
constinit uint32_t mappedCount = 0;

uint32_t homeOf(uintptr_t base) { return uint32_t(base / memPoolSlabBytes) & slabIndex.mask; }

void insertBase(uintptr_t base) {
  uint32_t at = homeOf(base);
  while (slabIndex.bases[at] != noSlabBase) at = (at + 1) & slabIndex.mask;
  slabIndex.bases[at] = base;
}

// The index's memory comes from the C heap and goes with the last slab.
void addSlabBase(uintptr_t base) {
  uint32_t slots = slabIndex.bases != noSlabBases ? slabIndex.mask + 1 : 0;
  if (2 * (mappedCount + 1) > slots) {
    uintptr_t* old = slabIndex.bases;
    uint32_t grown = slots ? 2 * slots : 64;
    slabIndex.bases = static_cast<uintptr_t*>(memPoolSystemAlloc(grown * sizeof(uintptr_t)));
    slabIndex.mask = grown - 1;
    for (uint32_t i = 0; i < grown; ++i) slabIndex.bases[i] = noSlabBase;
    for (uint32_t i = 0; i < slots; ++i)
      if (old[i] != noSlabBase) insertBase(old[i]);
    if (old != noSlabBases) memPoolSystemFree(old);
  }
  insertBase(base);
}

// Entries after the emptied slot that could have been placed in it move back into it.
void removeSlabBase(uintptr_t base) {
  uintptr_t* bases = slabIndex.bases;
  uint32_t mask = slabIndex.mask;
  uint32_t at = homeOf(base);
  while (bases[at] != base) at = (at + 1) & mask;
  for (uint32_t next = (at + 1) & mask; bases[next] != noSlabBase; next = (next + 1) & mask) {
    uint32_t home = homeOf(bases[next]);
    if (((next - home) & mask) >= ((next - at) & mask)) {
      bases[at] = bases[next];
      at = next;
    }
  }
  bases[at] = noSlabBase;
}

unsigned char* baseOf(const slabS* slab) {
  return reinterpret_cast<unsigned char*>(const_cast<slabS*>(slab)) + sizeof(slabS) - memPoolSlabBytes;
}

slabS* slabOf(const void* frame) {
  uintptr_t base = reinterpret_cast<uintptr_t>(frame) & ~uintptr_t(memPoolSlabBytes - 1);
  return reinterpret_cast<slabS*>(base + memPoolSlabBytes - sizeof(slabS));
}

bool hasFrameToGive(const slabS* slab) { return slab->freeCount > 0 || slab->carved < framesPerSlab; }

// A fresh slab aligned to its size, so that a frame finds its slab by masking its address.
slabS* mapSlab() {
  size_t span = 2 * memPoolSlabBytes;
  void* mapped = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) memPoolOutOfMemory(memPoolSlabBytes);
  uintptr_t start = reinterpret_cast<uintptr_t>(mapped);
  uintptr_t aligned = (start + memPoolSlabBytes - 1) & ~uintptr_t(memPoolSlabBytes - 1);
  if (aligned > start) munmap(mapped, aligned - start);
  if (uintptr_t end = aligned + memPoolSlabBytes; end < start + span) munmap(reinterpret_cast<void*>(end), start + span - end);
  auto* base = reinterpret_cast<unsigned char*>(aligned);
  madvise(base, memPoolSlabBytes, MADV_HUGEPAGE);
#ifdef RUDEZAZE_SLAB_SANITIZER
  // Leak checking looks for pointers in the heap's blocks as it does in blocks of the C heap.
  __lsan_register_root_region(base, memPoolSlabBytes);
#endif
  addSlabBase(aligned);
  ++mappedCount;
  slabS* slab = slabOf(base);
  *slab = slabS{};
  return slab;
}

void unmapSlab(slabS* slab) {
  unsigned char* base = baseOf(slab);
#ifdef RUDEZAZE_SLAB_SANITIZER
  __lsan_unregister_root_region(base, memPoolSlabBytes);
  // Whatever is mapped here later starts addressable.
  ASAN_UNPOISON_MEMORY_REGION(base, memPoolSlabBytes);
#endif
  munmap(base, memPoolSlabBytes);
  removeSlabBase(reinterpret_cast<uintptr_t>(base));
  if (--mappedCount == 0) {
    memPoolSystemFree(slabIndex.bases);
    slabIndex = {noSlabBases, 0};
  }
}

}  // namespace

memPoolPageS* memPoolTakeFrame() {
  slabS* slab = partialSlabs;
  if (!slab) {
    if ((slab = retainedSlabs)) {
      unlinkFromList(retainedSlabs, slab);
      --retainedCount;
    } else {
      slab = mapSlab();
    }
    pushToListFront(partialSlabs, slab);
  }
  uint32_t frame = slab->freeCount > 0 ? slab->freeFrames[--slab->freeCount] : slab->carved++;
  ++slab->inUse;
  if (!hasFrameToGive(slab)) unlinkFromList(partialSlabs, slab);
  return reinterpret_cast<memPoolPageS*>(baseOf(slab) + size_t(frame) * sizeof(memPoolPageS));
}

void memPoolGiveFrame(memPoolPageS* page, bool releaseAll) {
  slabS* slab = slabOf(page);
  bool wasFull = !hasFrameToGive(slab);
  slab->freeFrames[slab->freeCount++] =
      uint8_t((reinterpret_cast<unsigned char*>(page) - baseOf(slab)) / sizeof(memPoolPageS));
  if (wasFull) pushToListFront(partialSlabs, slab);
  if (--slab->inUse > 0) return;
  unlinkFromList(partialSlabs, slab);
  if (releaseAll || retainedCount >= memPoolRetainedSlabs) {
    unmapSlab(slab);
    return;
  }
  // Every frame is free: the slab is handed out again from its first frame.
  slab->carved = 0;
  slab->freeCount = 0;
  pushToListFront(retainedSlabs, slab);
  ++retainedCount;
}

void memPoolReleaseRetainedSlabs() {
  while (slabS* slab = retainedSlabs) {
    unlinkFromList(retainedSlabs, slab);
    --retainedCount;
    unmapSlab(slab);
  }
}

memPoolPageS* memPoolFrameOf(const void* address, uint32_t& offset) {
  if (slabIndex.bases == noSlabBases) return nullptr;
  uintptr_t at = reinterpret_cast<uintptr_t>(address);
  uintptr_t base = at & ~uintptr_t(memPoolSlabBytes - 1);
  for (uint32_t slot = homeOf(base);; slot = (slot + 1) & slabIndex.mask) {
    if (slabIndex.bases[slot] == base) break;
    if (slabIndex.bases[slot] == noSlabBase) return nullptr;
  }
  uint32_t inSlab = uint32_t(at - base);
  uint32_t frame = inSlab / uint32_t(sizeof(memPoolPageS));
  if (frame >= framesPerSlab) return nullptr;
  offset = inSlab - frame * uint32_t(sizeof(memPoolPageS));
  return reinterpret_cast<memPoolPageS*>(base + size_t(frame) * sizeof(memPoolPageS));
}

uint32_t memPoolSlabCount() { return mappedCount; }
uint32_t memPoolRetainedSlabCount() { return retainedCount; }
