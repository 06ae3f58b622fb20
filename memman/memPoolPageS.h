// The layout of one page of the small-block heap and of the block headers in it.
// A page is one frame of a slab (memPoolSlabs.h): the block area, then a trailer that finds
// the page's lists and free blocks in constant time.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint32_t memPoolBlockArea = 10000;
constexpr uint32_t memPoolPageMagic = 0x11223344;
constexpr uint32_t memPoolClassCount = 256;

// Owner words besides a page number.
constexpr uint32_t memPoolOwnerFresh = 0;           // a slot of a fresh page never handed out
constexpr uint32_t memPoolOwnerFreed = 0xFFFFFFFF;  // a freed block
constexpr uint32_t memPoolOwnerLarge = 0xFFFFFFFE;  // a block straight from the C heap

// With location tracking the allocation call stack follows these two words.
struct memPoolBlockHeaderS {
  uint32_t owner;       // the page's number while the block is live
  uint32_t sizeOrLink;  // live: the size asked for; free: link to the next free block (see memPoolPageS::linkTo)
};

struct memPoolPageS;

// Gives the page its block layout for blocks of elementSize bytes behind headers of
// headerSize bytes, every slot free; the first block handed out is the highest one. The slots
// are set up as they are first handed out, from the highest down: a slot below firstSetUp has
// never been handed out and holds nothing of the heap's (its owner counts as fresh).
void initPoolPage(memPoolPageS* page, uint32_t elementSize, uint32_t headerSize);

// Frames are 64-byte aligned and the trailer's first 48 bytes, all that an allocation or a free
// reads, share one cache line.
struct alignas(64) memPoolPageS {
  unsigned char blocks[memPoolBlockArea];
  uint32_t magic;
  uint32_t number;  // the owner word of this page's live blocks
  // The first free block; freeEnd() when there is none.
  memPoolBlockHeaderS* freeHead;
  uint32_t used;
  uint32_t capacity;
  // The offset in the block area of the slot at firstSetUp, and the bytes from there to the end
  // of the last slot: a handed-out slot starts in between.
  uint32_t setUpOffset;
  uint32_t handedOutBytes;
  // 2^64 / stride, rounded up: an offset below 2^32 is a multiple of the stride exactly when
  // its product with this, taken modulo 2^64, is below it.
  uint64_t strideDivisor;
  uint32_t firstSetUp;  // slots from here to capacity have been handed out at least once
  uint32_t stride;
  uint32_t elementSize;
  memPoolPageS* next;
  memPoolPageS* previous;

  // Strides are exact multiples of 8, so the header size is what the stride adds to the element.
  uint32_t headerSize() const { return stride - elementSize; }
  memPoolBlockHeaderS* slot(uint32_t index) {
    return reinterpret_cast<memPoolBlockHeaderS*>(blocks + size_t(index) * stride);
  }
  const memPoolBlockHeaderS* slot(uint32_t index) const {
    return reinterpret_cast<const memPoolBlockHeaderS*>(blocks + size_t(index) * stride);
  }
  // The end of the free list: the block area's end, which no slot starts at. Taking the next
  // block reads no pointer and tests no null.
  memPoolBlockHeaderS* freeEnd() { return reinterpret_cast<memPoolBlockHeaderS*>(blocks + memPoolBlockArea); }
  bool hasFreeBlock() const { return freeHead != reinterpret_cast<const memPoolBlockHeaderS*>(blocks + memPoolBlockArea); }
  // A free link is the in-page offset of the next free block's header, memPoolBlockArea at the end.
  uint32_t linkTo(const memPoolBlockHeaderS* header) const {
    return uint32_t(reinterpret_cast<const unsigned char*>(header) - blocks);
  }
  memPoolBlockHeaderS* blockAtLink(uint32_t link) { return reinterpret_cast<memPoolBlockHeaderS*>(blocks + link); }
  // Whether offset in the block area starts a slot that has been handed out.
  bool startsHandedOutSlot(uint32_t offset) const { return startsHandedOutSlotAt(uintptr_t(blocks) + offset); }
  // The same for any address at all: one outside the page's block area is no slot of it. The
  // slot at setUpOffset starts a stride's multiple, so one comparison bounds the address.
  bool startsHandedOutSlotAt(uintptr_t address) const {
    uint64_t sinceFirst = address - reinterpret_cast<uintptr_t>(blocks) - setUpOffset;
    return sinceFirst < handedOutBytes && sinceFirst * strideDivisor < strideDivisor;
  }
  // The slot that has never been handed out with the highest index; null when none is left.
  memPoolBlockHeaderS* setUpNextSlot() {
    if (firstSetUp == 0) return nullptr;
    setUpOffset -= stride;
    handedOutBytes += stride;
    return slot(--firstSetUp);
  }
};

static_assert(offsetof(memPoolPageS, magic) == memPoolBlockArea, "the trailer follows the block area");
static_assert(offsetof(memPoolPageS, firstSetUp) - memPoolBlockArea <= 64 - memPoolBlockArea % 64, "the hot fields share a line");
static_assert(sizeof(memPoolPageS) == 10112, "the trailer fits the block area's alignment slack");
static_assert(sizeof(memPoolBlockHeaderS) == 8, "the plain block header is two 32-bit words");
