// Blocks of 32 bytes, without headers, in one reserved run of address space, each known by a
// 32-bit number: a structure of many small linked objects (the keyword tree's nodes) stores
// its links as numbers and takes half the room 64-bit pointers would. Number 0 is no block.
//
// The arena counts its live blocks with the heap's outstanding blocks and refuses a double
// free or a foreign pointer as the heap does. A bit per slot tells a live block from a free
// one, and the bits alone find free slots: a cursor moves through them in address order, so
// the nodes a reader makes one after another lie one after another in memory however
// scattered the earlier frees were. A free touches only its bit.
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
    uint64_t bits = liveBits[cursorWord];
    if (bits == ~uint64_t(0)) [[unlikely]]
      return takeFurther();
    uint32_t bit = uint32_t(__builtin_ctzll(~bits));
    liveBits[cursorWord] = bits | uint64_t(1) << bit;
    ++live;
    void* block = at(cursorWord * 64 + bit);
    unpoison(block);
    return block;
  }
  // Reports and ignores a block that is not live in the arena.
  static void giveBack(void* block) {
    uint32_t number = numberOf(block);
    if (!isLiveNumber(number)) [[unlikely]]
      return refuse(block);
    liveBits[number / 64] &= ~(uint64_t(1) << (number % 64));
    --live;
    poison(block);
  }

  // The block with that number; number must not be 0.
  static void* at(uint32_t number) { return base + uint64_t(number) * slotBytes; }
  // The number of a block of the arena; 0 for null or any other address inside or outside it.
  static uint32_t numberOf(const void* block) {
    return reinterpret_cast<uintptr_t>(block) % slotBytes == 0 ? numberOfBlock(block) : 0;
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
  // Gives the memory of every wholly free chunk back to the system; its slots stay the
  // arena's and are taken again as any free slot.
  static void releaseFreeMemory();

  // What the memory reports call the arena's blocks: they are the keyword tree's nodes, which
  // carry no run-time type to be named by.
  static constexpr const char* reportName = "metaTreeC";
  // Where in a block its owner keeps the numbers of the blocks it leads to (a node's next
  // sibling and first child): the reports' parent search follows them as it follows addresses.
  static constexpr uint32_t reportLinkOffsets[] = {4, 8};
  // Calls visit(block) for every live block, in address order. Only the live bits are read.
  template <class visitorT>
  static void forEachLiveBlock(visitorT visit) {
    const uint64_t words = committedBytes / slotBytes / 64;
    for (uint64_t word = 0; word < words; ++word) {
      uint64_t bits = word == 0 ? liveBits[0] & ~uint64_t(1) : liveBits[word];
      for (; bits; bits &= bits - 1)
        visit(static_cast<const void*>(at(uint32_t(word * 64) + uint32_t(__builtin_ctzll(bits)))));
    }
  }
  // Whether the live bits agree with the count of live blocks and still keep number 0 back.
  static bool isConsistent();

 private:
  static void* takeFurther();
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
  static bool reserveSpace();
  static bool growByChunk();

  // Before the first chunk the cursor stands on a word with no free slot.
  static inline constinit uint64_t noSlots = ~uint64_t(0);
  static inline constinit unsigned char* base = nullptr;
  // Bit 0 of the first word, the slot of number 0, is always set and is no block.
  static inline constinit uint64_t* liveBits = &noSlots;
  static inline constinit uint64_t committedBytes = 0;
  static inline constinit uint32_t cursorWord = 0;
  static inline constinit uint32_t live = 0;
};
