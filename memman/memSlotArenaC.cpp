#include "memman/memSlotArenaC.h"

#include <sys/mman.h>

#include "memman/memTrackHooks.h"

#ifdef RUDEZAZE_ARENA_SANITIZER
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The arena grows, and gives memory back, a chunk at a time: a huge page of slots.
constexpr uint32_t chunkSlots = 65536;
constexpr uint64_t chunkBytes = uint64_t(chunkSlots) * memSlotArenaC::slotBytes;
constexpr uint64_t pageBytes = 4096;

// What the arena reserved at its first block: room for slotLimit slots, their live bits and a
// stack of the chunks whose memory went back to the system.
constinit uint32_t slotLimit = 0;
constinit uint32_t chunkCount = 0;
constinit uint32_t* releasedChunks = nullptr;
constinit uint32_t releasedCount = 0;
constinit bool reservationFailed = false;

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
    uint64_t slotSpan = slots * slotBytes;
    void* slotsAt = reserve(slotSpan + chunkBytes);
    if (!slotsAt) continue;
    void* bitsAt = reserve(slots / 8);
    void* stackAt = reserve(roundUpToPage(slots / chunkSlots * sizeof(uint32_t)));
    if (!bitsAt || !stackAt) {
      munmap(slotsAt, slotSpan + chunkBytes);
      if (bitsAt) munmap(bitsAt, slots / 8);
      if (stackAt) munmap(stackAt, roundUpToPage(slots / chunkSlots * sizeof(uint32_t)));
      continue;
    }
    // Chunks start on a huge-page boundary, so that each can be backed by one huge page.
    uintptr_t aligned = (reinterpret_cast<uintptr_t>(slotsAt) + chunkBytes - 1) & ~(chunkBytes - 1);
    base = reinterpret_cast<unsigned char*>(aligned);
    liveBits = static_cast<uint64_t*>(bitsAt);
    releasedChunks = static_cast<uint32_t*>(stackAt);
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
  uint32_t stackPageEntries = pageBytes / sizeof(uint32_t);
  bool stackReady = chunkCount % stackPageEntries != 0 ||
                    commit(releasedChunks + chunkCount, pageBytes);
  if (!stackReady || !commit(chunk, chunkBytes) || !commit(liveBits + firstSlot / 64, chunkSlots / 8)) return false;
  madvise(chunk, chunkBytes, MADV_HUGEPAGE);
#ifdef RUDEZAZE_ARENA_SANITIZER
  // Leak checking looks for pointers in the arena's blocks as it does in the C heap's.
  __lsan_register_root_region(chunk, chunkBytes);
  ASAN_POISON_MEMORY_REGION(chunk, chunkBytes);
#endif
  ++chunkCount;
  committedBytes = uint64_t(chunkCount) * chunkBytes;
  freshNumber = uint32_t(firstSlot);
  freshEnd = uint32_t(firstSlot + chunkSlots);
  return true;
}

void* memSlotArenaC::takeFromNewRun() {
  if (releasedCount > 0) {
    uint64_t firstSlot = uint64_t(releasedChunks[--releasedCount]) * chunkSlots;
    freshNumber = uint32_t(firstSlot);
    freshEnd = uint32_t(firstSlot + chunkSlots);
  } else if (!growByChunk()) {
    return nullptr;
  }
  // Number 0 stands for no block.
  if (freshNumber == 0) ++freshNumber;
  return take();
}

void memSlotArenaC::refuse(void* block) {
  reportMemError(holds(block) ? "free called on free object\n" : "free called on unknown object\n");
}

uint64_t memSlotArenaC::bytesHeld() { return uint64_t(chunkCount - releasedCount) * chunkBytes; }

void memSlotArenaC::releaseFreeMemory() {
  // Every free slot is found again from the live bits: wholly free chunks go back to the
  // system and are taken again as fresh runs; the free slots of the others form the new list.
  freeHead = 0;
  freshNumber = freshEnd = 0;
  releasedCount = 0;
  for (uint32_t chunk = chunkCount; chunk-- > 0;) {
    const uint64_t* words = liveBits + uint64_t(chunk) * chunkSlots / 64;
    bool anyLive = false;
    for (uint32_t word = 0; word < chunkSlots / 64 && !anyLive; ++word) anyLive = words[word] != 0;
    unsigned char* memory = base + uint64_t(chunk) * chunkBytes;
    if (!anyLive) {
      madvise(memory, chunkBytes, MADV_DONTNEED);
      releasedChunks[releasedCount++] = chunk;
      continue;
    }
    for (uint32_t slot = chunkSlots; slot-- > 0;) {
      uint32_t number = chunk * chunkSlots + slot;
      if (number == 0 || (words[slot / 64] >> (slot % 64) & 1) != 0) continue;
      void* block = at(number);
      unpoison(block);
      *static_cast<uint32_t*>(block) = freeHead;
      poison(block);
      freeHead = number;
    }
  }
}
