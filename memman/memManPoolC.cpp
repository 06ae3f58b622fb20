#include "memman/memManPoolC.h"

#include <algorithm>
#include <cstring>

#include "memman/intrusiveList.h"
#include "memman/memManPoolInspect.h"
#include "memman/memPoolPageS.h"
#include "memman/memPoolPageTableC.h"
#include "memman/memPoolSlabs.h"
#include "memman/memPoolSystemHeap.h"
#include "memman/memSlotArenaC.h"
#include "memman/memTrackHooks.h"
#include "memman/memTrackReports.h"

#if defined(__SANITIZE_ADDRESS__)
#define RUDEZAZE_POOL_POISONING 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RUDEZAZE_POOL_POISONING 1
#endif
#endif

#ifdef RUDEZAZE_POOL_POISONING
#include <sanitizer/asan_interface.h>
#endif

namespace {

// Under AddressSanitizer a small block is addressable only while it is live, and only for the
// size asked for: reads and writes of freed blocks or past a block's end are caught as they
// are in blocks of the C heap.
void markBlockLive([[maybe_unused]] void* payload, [[maybe_unused]] uint32_t size) {
#ifdef RUDEZAZE_POOL_POISONING
  ASAN_UNPOISON_MEMORY_REGION(payload, size);
#endif
}

void markBlockFree([[maybe_unused]] void* payload, [[maybe_unused]] uint32_t slotSize) {
#ifdef RUDEZAZE_POOL_POISONING
  ASAN_POISON_MEMORY_REGION(payload, slotSize);
#endif
}

// The heap's state is plain, constant-initialised data without destructors, so static
// objects of any translation unit may allocate before and free after the unload hook.
constinit memPoolPageS* classListHeads[memPoolClassCount] = {};
constinit memPoolPageS* fullListHead = nullptr;
// Per class, one emptied page kept with its slots set up for the class's next page instead of
// being given back at once: a class that keeps needing a second page does not set one up anew
// each time. Such a page holds no block and is on no list and in no report.
constinit memPoolPageS* classSpares[memPoolClassCount] = {};
constinit uint32_t headerSize = 0;
constinit bool locationTracking = false;
// Live large blocks; live small blocks are counted by their pages (used), so that allocations
// and frees do not all update one word.
constinit uint32_t largeBlockCount = 0;
constinit bool releaseAllFlag = false;
constinit uint32_t inReportFlag = 0;
// The classes whose blocks may take the short way: all of them once the header size is
// settled while no report runs and no call stack is kept, else none. One comparison tells
// both whether the size is small and whether the short way is open.
constinit uint32_t shortWayClasses = 0;
// The header size without location tracking. The short ways take it as a constant, so that
// finding a block's header waits for no load.
constexpr uint32_t plainHeaderSize = sizeof(memPoolBlockHeaderS);
constinit memPoolPageTableC pageTable;

memManPoolC heapAtUnload;

void settleHeaderSize() {
  locationTracking = (readMemTrackSwitches() & memTrackLocationBit) != 0;
  uint32_t tracked = plainHeaderSize + memTrackStackDepth * sizeof(uint64_t);
  uint32_t minimum = locationTracking ? std::max(plainHeaderSize, tracked) : plainHeaderSize;
  headerSize = (minimum + 7) & ~7u;
  shortWayClasses = !locationTracking && !inReportFlag ? memPoolClassCount : 0;
  pageTable.setPlainHeaders(!locationTracking);
}

memPoolBlockHeaderS* headerOf(const void* payload) {
  auto* bytes = const_cast<unsigned char*>(static_cast<const unsigned char*>(payload));
  return reinterpret_cast<memPoolBlockHeaderS*>(bytes - headerSize);
}

void* payloadOf(memPoolBlockHeaderS* header) { return reinterpret_cast<unsigned char*>(header) + headerSize; }

memPoolPageS* openPage(uint32_t elementSize) {
  uint32_t sizeClass = elementSize / 8 - 1;
  if (memPoolPageS* spare = classSpares[sizeClass]) {
    classSpares[sizeClass] = nullptr;
    spare->magic = memPoolPageMagic;
    pageTable.add(spare);
    return spare;
  }
  memPoolPageS* page = memPoolTakeFrame();
  initPoolPage(page, elementSize, headerSize);
  pageTable.add(page);
  // Slots are unpoisoned as they are first handed out (headers) and while they are live.
  markBlockFree(page->blocks, memPoolBlockArea);
  return page;
}

// A free frame is no page: a stale pointer into it is refused.
void giveFrame(memPoolPageS* page) {
  markBlockLive(page->blocks, memPoolBlockArea);
  page->magic = 0;
  memPoolGiveFrame(page, releaseAllFlag);
}

void releasePage(memPoolPageS* page) {
  pageTable.remove(page->number);
  giveFrame(page);
}

// An emptied page that leaves its class list: kept as the class's spare when there is room
// (and unload has not come), else given back.
void retirePage(memPoolPageS* page) {
  memPoolPageS*& spare = classSpares[page->elementSize / 8 - 1];
  if (spare || releaseAllFlag) {
    releasePage(page);
    return;
  }
  pageTable.remove(page->number);
  page->magic = 0;
  spare = page;
}

void* allocLargeBlock(uint32_t size) {
  // Summed at full width: a size near 4 GiB must not wrap to a tiny request.
  auto* header = static_cast<memPoolBlockHeaderS*>(memPoolSystemAlloc(size_t(headerSize) + size));
  header->owner = memPoolOwnerLarge;
  header->sizeOrLink = size;
  ++largeBlockCount;
  return payloadOf(header);
}

// The page whose handed-out slot the header is in the frame at offset; null when it is none.
inline memPoolPageS* pageOfSlotIn(memPoolPageS* page, uint32_t offset) {
  return page && page->magic == memPoolPageMagic && page->startsHandedOutSlot(offset) ? page : nullptr;
}

// The page whose handed-out slot the header is, found from its address alone (so that the
// header and the page are read at once); null for any other address.
memPoolPageS* pageOfSlot(const memPoolBlockHeaderS* header) {
  uint32_t offset = 0;
  memPoolPageS* frame = memPoolFrameOf(header, offset);
  return pageOfSlotIn(frame, offset);
}

// The page of a live small block: a slot whose owner word names its page, so a stale or
// foreign owner word never leads to a write.
memPoolPageS* pageOfLiveBlock(const memPoolBlockHeaderS* header) {
  memPoolPageS* page = pageOfSlot(header);
  return page && header->owner == page->number ? page : nullptr;
}

bool isLiveBlock(const memPoolBlockHeaderS* header) {
  return header->owner == memPoolOwnerLarge || pageOfLiveBlock(header) != nullptr;
}

}  // namespace

namespace {

// The page of the class's list to take blocks from, opened when the list is empty.
memPoolPageS* classPage(uint32_t sizeClass, uint32_t rounded) {
  memPoolPageS*& head = classListHeads[sizeClass];
  if (!head) head = openPage(rounded);
  return head;
}

// Hands out the next block of a page that has one.
void* takeBlock(memPoolPageS* page, uint32_t size) {
  memPoolBlockHeaderS* header = page->freeHead;
  if (page->hasFreeBlock()) {
    page->freeHead = page->blockAtLink(header->sizeOrLink);
  } else {
    header = page->setUpNextSlot();
    markBlockLive(header, headerSize);
  }
  header->owner = page->number;
  header->sizeOrLink = size;
  if (locationTracking) captureCallStack(reinterpret_cast<uint64_t*>(header + 1));
  void* payload = payloadOf(header);
  markBlockLive(payload, size);
  return payload;
}

// A page whose blocks are all handed out leaves its class list for the full-page list.
void noteUsed(memPoolPageS* page, uint32_t sizeClass, uint32_t blocks) {
  page->used += blocks;
  if (page->used >= page->capacity) {
    unlinkFromList(classListHeads[sizeClass], page);
    pushToListFront(fullListHead, page);
  }
}

}  // namespace

namespace {

// Every allocation the short way leaves: the first of all, a large block, one made while a
// report runs or while call stacks are kept, and one from a page without a freed block.
[[gnu::noinline]] void* allocateSlowly(uint32_t size) {
  if (headerSize == 0) settleHeaderSize();
  uint32_t rounded = (size + 7) & ~7u;
  uint32_t sizeClass = rounded / 8 - 1;
  if (sizeClass >= memPoolClassCount || inReportFlag) return allocLargeBlock(size);
  memPoolPageS* page = classPage(sizeClass, rounded);
  void* payload = takeBlock(page, size);
  noteUsed(page, sizeClass, 1);
  return payload;
}

}  // namespace

void* memDataPoolAlloc(uint32_t size) {
  // Sizes 1 to 8 are class 0; 0 and every size above 2048 come out at 256 or more.
  uint32_t sizeClass = (size - 1) >> 3;
  memPoolPageS* page;
  if (sizeClass < shortWayClasses && (page = classListHeads[sizeClass]) && page->hasFreeBlock()) {
    memPoolBlockHeaderS* header = page->freeHead;
    memPoolBlockHeaderS* following = page->blockAtLink(header->sizeOrLink);
    page->freeHead = following;
    // Freed blocks come back in any order: the next one's header is fetched now, while the
    // caller works, rather than stalling the class's next allocation. At the list's end this
    // fetches the page's own trailer.
    __builtin_prefetch(following, 1);
    header->sizeOrLink = size;
    noteUsed(page, sizeClass, 1);
    header->owner = page->number;
    void* payload = reinterpret_cast<unsigned char*>(header) + plainHeaderSize;
    markBlockLive(payload, size);
    return payload;
  }
  return allocateSlowly(size);
}

uint32_t memDataPoolAllocRun(uint32_t size, void** blocks, uint32_t count) {
  if (headerSize == 0) settleHeaderSize();
  uint32_t rounded = (size + 7) & ~7u;
  uint32_t sizeClass = rounded / 8 - 1;
  if (sizeClass >= memPoolClassCount || inReportFlag || count <= 1) {
    blocks[0] = memDataPoolAlloc(size);
    return 1;
  }
  memPoolPageS* page = classPage(sizeClass, rounded);
  uint32_t given = std::min(count, page->capacity - page->used);
  for (uint32_t i = 0; i < given; ++i) blocks[i] = takeBlock(page, size);
  noteUsed(page, sizeClass, given);
  return given;
}

namespace {

void pageLostBlock(memPoolPageS* page);

// Puts a live block of the page on its free list.
inline void releaseBlock(memPoolPageS* page, memPoolBlockHeaderS* header) {
  header->owner = memPoolOwnerFreed;
  header->sizeOrLink = page->linkTo(page->freeHead);
  page->freeHead = header;
  markBlockFree(payloadOf(header), page->elementSize);
  if (page->used == page->capacity || page->used == 1) pageLostBlock(page);
  else --page->used;
}

// A free the short way does not take: null is ignored; a live small block (while call stacks
// are kept) is freed as memDataPoolFree frees, a large block goes back to the C heap; anything
// else is reported and changes nothing.
[[gnu::noinline]] void freeOther(void* payload) {
  if (!payload) return;
  memPoolBlockHeaderS* header = headerOf(payload);
  memPoolPageS* page = pageOfSlot(header);
  if (page && header->owner == page->number) {
    releaseBlock(page, header);
    return;
  }
  if (header->owner == memPoolOwnerLarge && !page) {
    --largeBlockCount;
    header->owner = memPoolOwnerFreed;
    memPoolSystemFree(header);
    return;
  }
  reportMemError(header->owner == memPoolOwnerFreed ? "free called on free object\n" : "free called on unknown object\n");
}

// The page's lists after one of its blocks was freed, when it was full or is now empty. Each
// class keeps one page until unload, so a class in steady use does not give its page back for
// every block.
[[gnu::noinline]] void pageLostBlock(memPoolPageS* page) {
  memPoolPageS*& classHead = classListHeads[page->elementSize / 8 - 1];
  if (page->used == page->capacity) {
    unlinkFromList(fullListHead, page);
    pushToListFront(classHead, page);
  }
  if (--page->used == 0 && (page->previous || page->next || releaseAllFlag)) {
    unlinkFromList(classHead, page);
    retirePage(page);
  }
}

}  // namespace

// The short way finds the page by the owner word alone: the page table, small and always at
// hand, names the page, so no slab lookup precedes the write. A freed block's owner mark, a
// large block's and any foreign word name no page, and an address that is no handed-out slot
// of the page named is refused by the page. While call stacks are kept the table names no
// page for the word read here, which lies inside a header, and every free takes the long way.
void memDataPoolFree(void* payload) {
  if (payload) {
    auto* header = reinterpret_cast<memPoolBlockHeaderS*>(static_cast<unsigned char*>(payload) - plainHeaderSize);
    memPoolPageS* page = pageTable.findByPlainOwnerWord(header->owner);
    if (page->startsHandedOutSlotAt(reinterpret_cast<uintptr_t>(header))) return releaseBlock(page, header);
  }
  freeOther(payload);
}

void* memDataPoolRealloc(void* payload, uint32_t size) {
  if (!payload) return memDataPoolAlloc(size);
  void* moved = memDataPoolAlloc(size);
  uint32_t kept = std::min(size, memDataPoolBlockSize(payload));
  if (kept) std::memcpy(moved, payload, kept);
  memDataPoolFree(payload);
  return moved;
}

uint32_t memDataPoolBlockSize(void* payload) {
  if (memSlotArenaC::holds(payload)) return memSlotArenaC::blockSize(payload);
  const memPoolBlockHeaderS* header = headerOf(payload);
  return isLiveBlock(header) ? header->sizeOrLink : 0;
}

void releaseAllPoolPages() {
  for (memPoolPageS*& spare : classSpares) {
    if (spare) giveFrame(spare);
    spare = nullptr;
  }
  if (memPoolOutstandingCount() == 0) {
    for (memPoolPageS*& head : classListHeads) {
      while (memPoolPageS* page = head) {
        head = page->next;
        releasePage(page);
      }
    }
  }
  memPoolReleaseRetainedSlabs();
  memSlotArenaC::releaseFreeMemory();
}

memManPoolC::~memManPoolC() {
  releaseAllFlag = true;
  releaseAllPoolPages();
  if (readMemTrackSwitches() & memTrackLeakBit) memReportToSink();
}

uint32_t memPoolHeaderSize() { return headerSize; }
uint32_t memPoolOutstandingCount() {
  uint32_t count = largeBlockCount + memSlotArenaC::liveCount();
  auto addPages = [&count](const memPoolPageS* page) {
    for (; page; page = page->next) count += page->used;
  };
  for (const memPoolPageS* head : classListHeads) addPages(head);
  addPages(fullListHead);
  return count;
}
bool memPoolReleaseAllFlag() { return releaseAllFlag; }
uint32_t memPoolInReportFlag() { return inReportFlag; }

uint32_t setMemPoolInReportFlag(uint32_t value) {
  uint32_t previous = inReportFlag;
  inReportFlag = value;
  shortWayClasses = headerSize != 0 && !locationTracking && !inReportFlag ? memPoolClassCount : 0;
  return previous;
}

const memPoolPageS* memPoolClassListHead(uint32_t sizeClass) {
  return sizeClass < memPoolClassCount ? classListHeads[sizeClass] : nullptr;
}

const memPoolPageS* memPoolFullListHead() { return fullListHead; }

const memPoolPageS* memPoolPageOfBlock(const void* payload) { return pageOfLiveBlock(headerOf(payload)); }

uint32_t memPoolBlockOwner(const void* payload) { return headerOf(payload)->owner; }

uint32_t memPoolPageCount() { return pageTable.pageCount(); }

const memPoolPageS* memPoolClassSpare(uint32_t sizeClass) {
  return sizeClass < memPoolClassCount ? classSpares[sizeClass] : nullptr;
}
