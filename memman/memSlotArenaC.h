// Blocks of 32 bytes, without headers, in one reserved run of address space, each known by a
// 32-bit number: a structure of many small linked objects (the keyword tree's nodes) stores
// its links as numbers and takes half the room 64-bit pointers would. Number 0 is no block.
//
// The arena counts its live blocks with the heap's outstanding blocks and refuses a double
// free or a foreign pointer as the heap does. A bit per slot tells a live block from a free
// one. Free slots are taken again last-freed first, after that the untouched end of the arena.
#pragma once

#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define RUDEZAZE_ARENA_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RUDEZAZE_ARENA_SANITIZER 1
#endif
#endif

#ifdef RUDEZAZE_ARENA_SANITIZER
#include <sanitizer/asan_interface.h>
#endif

class memSlotArenaC {
 public:
  static constexpr uint32_t slotBytes = 32;

  // Null when the address space or the memory is exhausted.
  static void* take() {
    uint32_t number = freeHead;
    if (number != 0) {
      void* block = at(number);
      markLive(number);
      freeHead = *static_cast<uint32_t*>(block);
      return block;
    }
    if (freshNumber == freshEnd) [[unlikely]]
      return takeFromNewRun();
    number = freshNumber++;
    markLive(number);
    return at(number);
  }
  // Reports and ignores a block that is not live in the arena.
  static void giveBack(void* block) {
    uint32_t number = numberOf(block);
    if (!isLiveNumber(number)) [[unlikely]]
      return refuse(block);
    *static_cast<uint32_t*>(block) = freeHead;
    markFree(number);
    freeHead = number;
  }

  // The block with that number; number must not be 0.
  static void* at(uint32_t number) { return base + uint64_t(number) * slotBytes; }
  // The number of a block of the arena; 0 for null or any other address inside or outside it.
  static uint32_t numberOf(const void* block) {
    uint64_t offset = reinterpret_cast<uintptr_t>(block) - reinterpret_cast<uintptr_t>(base);
    return offset < committedBytes && offset % slotBytes == 0 ? uint32_t(offset / slotBytes) : 0;
  }
  static bool holds(const void* block) { return numberOf(block) != 0; }
  // The number of a pointer to a block of the arena, or 0 for null or an address outside it.
  static uint32_t numberOfBlock(const void* block) {
    uint64_t offset = reinterpret_cast<uintptr_t>(block) - reinterpret_cast<uintptr_t>(base);
    return offset < committedBytes ? uint32_t(offset / slotBytes) : 0;
  }

  // slotBytes for a live block, 0 for a freed one or an address outside the arena.
  static uint32_t blockSize(const void* block) { return isLiveNumber(numberOf(block)) ? slotBytes : 0; }
  static uint32_t liveCount() { return live; }
  // The memory of the chunks that have not gone back to the system.
  static uint64_t bytesHeld();
  // Gives the memory of every wholly free run of slots back to the system; the slots stay
  // the arena's and are taken again as fresh ones.
  static void releaseFreeMemory();

 private:
  static void* takeFromNewRun();
  static void refuse(void* block);
  static bool isLiveNumber(uint32_t number) {
    return number != 0 && (liveBits[number / 64] >> (number % 64) & 1) != 0;
  }
  // Under AddressSanitizer a slot is addressable only while its block is live.
  static void unpoison([[maybe_unused]] void* block) {
#ifdef RUDEZAZE_ARENA_SANITIZER
    ASAN_UNPOISON_MEMORY_REGION(block, slotBytes);
#endif
  }
  static void poison([[maybe_unused]] void* block) {
#ifdef RUDEZAZE_ARENA_SANITIZER
    ASAN_POISON_MEMORY_REGION(block, slotBytes);
#endif
  }
  static void markLive(uint32_t number) {
    liveBits[number / 64] |= uint64_t(1) << (number % 64);
    ++live;
    unpoison(at(number));
  }
  static void markFree(uint32_t number) {
    liveBits[number / 64] &= ~(uint64_t(1) << (number % 64));
    --live;
    poison(at(number));
  }
  static bool reserveSpace();
  static bool growByChunk();

  static inline constinit unsigned char* base = nullptr;
  static inline constinit uint64_t* liveBits = nullptr;
  static inline constinit uint64_t committedBytes = 0;
  static inline constinit uint32_t freeHead = 0;
  // The run of slots [freshNumber, freshEnd) taken when the free list is empty: never handed
  // out, or handed back to the system with their chunk. Never slot 0.
  static inline constinit uint32_t freshNumber = 0;
  static inline constinit uint32_t freshEnd = 0;
  static inline constinit uint32_t live = 0;
};
