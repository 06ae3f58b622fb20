#include "memman/memSlotArenaC.h"

#include <sys/mman.h>

#include "memman/memTrackHooks.h"

#ifdef RUDEZAZE_ARENA_SANITIZER
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The arena grows, and gives memory back, a chunk at a time: a huge page of slots.
constexpr uint32_t chunkSlots = 65536;
constexpr uint32_t chunkWords = chunkSlots / 64;
constexpr uint64_t chunkBytes = uint64_t(chunkSlots) * memSlotArenaC::slotBytes;
constexpr uint64_t pageBytes = 4096;

// What the arena reserved at its first block: room for slotLimit slots, their live bits and a
// flag per chunk whose memory went back to the system.
constinit uint32_t slotLimit = 0;
constinit uint64_t* bitsArea = nullptr;
constinit uint8_t* releasedChunks = nullptr;
constinit uint32_t chunkCount = 0;
constinit bool reservationFailed = false;
// Set when the cursor went back to the first slot since the arena last grew: reaching the end
// again grows the arena rather than sweep once more.
constinit bool sweptSinceGrowth = false;

void* reserve(uint64_t bytes) {
  void* at = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  return at == MAP_FAILED ? nullptr : at;
}

bool commit(void* at, uint64_t bytes) { return mprotect(at, bytes, PROT_READ | PROT_WRITE) == 0; }

uint64_t roundUpToPage(uint64_t bytes) { return (bytes + pageBytes - 1) & ~(pageBytes - 1); }

}  // namespace

bool memSlotArenaC::reserveSpace() {
  // Address space is not unlimited everywhere (memory checkers, limits on a process's
  // mappings): a smaller arena still serves.
  for (uint64_t slots = uint64_t(1) << 31; slots >= (uint64_t(1) << 22); slots /= 2) {
    uint64_t slotSpan = slots * slotBytes + chunkBytes;
    uint64_t flagSpan = roundUpToPage(slots / chunkSlots);
    void* slotsAt = reserve(slotSpan);
    void* bitsAt = reserve(slots / 8);
    void* flagsAt = reserve(flagSpan);
    if (!slotsAt || !bitsAt || !flagsAt) {
      if (slotsAt) munmap(slotsAt, slotSpan);
      if (bitsAt) munmap(bitsAt, slots / 8);
      if (flagsAt) munmap(flagsAt, flagSpan);
      continue;
    }
    // Chunks start on a huge-page boundary, so that each can be backed by one huge page.
    uintptr_t aligned = (reinterpret_cast<uintptr_t>(slotsAt) + chunkBytes - 1) & ~(chunkBytes - 1);
    base = reinterpret_cast<unsigned char*>(aligned);
    bitsArea = static_cast<uint64_t*>(bitsAt);
    releasedChunks = static_cast<uint8_t*>(flagsAt);
    slotLimit = uint32_t(slots - 1);
    return true;
  }
  reservationFailed = true;
  return false;
}

bool memSlotArenaC::growByChunk() {
  if (!base && (reservationFailed || !reserveSpace())) return false;
  uint64_t firstSlot = uint64_t(chunkCount) * chunkSlots;
  if (firstSlot + chunkSlots > slotLimit) return false;
  unsigned char* chunk = base + firstSlot * slotBytes;
  bool flagReady = chunkCount % pageBytes != 0 || commit(releasedChunks + chunkCount, pageBytes);
  if (!flagReady || !commit(chunk, chunkBytes) || !commit(bitsArea + firstSlot / 64, chunkSlots / 8)) return false;
  madvise(chunk, chunkBytes, MADV_HUGEPAGE);
#ifdef RUDEZAZE_ARENA_SANITIZER
  // Leak checking looks for pointers in the arena's blocks as it does in the C heap's.
  __lsan_register_root_region(chunk, chunkBytes);
  ASAN_POISON_MEMORY_REGION(chunk, chunkBytes);
#endif
  if (chunkCount == 0) {
    liveBits = bitsArea;
    liveBits[0] = 1;  // number 0 stands for no block
  }
  ++chunkCount;
  committedBytes = uint64_t(chunkCount) * chunkBytes;
  cursorWord = uint32_t(firstSlot / 64);
  sweptSinceGrowth = false;
  return true;
}

void* memSlotArenaC::takeFurther() {
  const uint32_t words = chunkCount * chunkWords;
  // Slot 0 is taken for good.
  const uint64_t freeSlots = words == 0 ? 0 : uint64_t(words) * 64 - 1 - live;
  bool sweptNow = false;
  for (uint32_t word = cursorWord + 1;;) {
    while (word < words && liveBits[word] == ~uint64_t(0)) ++word;
    if (word < words) {
      cursorWord = word;
      return take();
    }
    // At the end: sweep from the start while an eighth of the slots is free, so that one
    // sweep pays for itself; else grow, and sweep only when the arena cannot.
    if (!sweptNow && !sweptSinceGrowth && freeSlots * 8 >= uint64_t(words) * 64) {
      sweptNow = sweptSinceGrowth = true;
      word = 0;
      continue;
    }
    if (growByChunk()) return take();
    if (sweptNow || freeSlots == 0) return nullptr;
    sweptNow = true;
    word = 0;
  }
}

void memSlotArenaC::refuse(void* block) {
  reportMemError(holds(block) ? "free called on free object\n" : "free called on unknown object\n");
}

namespace {

bool chunkHasLiveBlocks(const uint64_t* bits, uint32_t chunk) {
  const uint64_t* words = bits + uint64_t(chunk) * chunkWords;
  // The first word of the first chunk always holds the bit of number 0.
  if ((chunk == 0 ? words[0] & ~uint64_t(1) : words[0]) != 0) return true;
  for (uint32_t word = 1; word < chunkWords; ++word)
    if (words[word] != 0) return true;
  return false;
}

}  // namespace

uint64_t memSlotArenaC::bytesHeld() {
  uint64_t held = 0;
  for (uint32_t chunk = 0; chunk < chunkCount; ++chunk)
    if (!releasedChunks[chunk] || chunkHasLiveBlocks(liveBits, chunk)) held += chunkBytes;
  return held;
}

void memSlotArenaC::releaseFreeMemory() {
  for (uint32_t chunk = 0; chunk < chunkCount; ++chunk) {
    bool free = !chunkHasLiveBlocks(liveBits, chunk);
    if (free && !releasedChunks[chunk]) madvise(base + uint64_t(chunk) * chunkBytes, chunkBytes, MADV_DONTNEED);
    releasedChunks[chunk] = free;
  }
}

bool memSlotArenaC::isConsistent() {
  if (chunkCount == 0) return live == 0;
  uint64_t counted = 0;
  for (uint64_t word = 0; word < uint64_t(chunkCount) * chunkWords; ++word)
    counted += uint64_t(__builtin_popcountll(liveBits[word]));
  return (liveBits[0] & 1) != 0 && counted - 1 == live;
}
