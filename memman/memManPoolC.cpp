#include "memman/memManPoolC.h"

#include <algorithm>
#include <cstring>

#include "memman/memManPoolInspect.h"
#include "memman/memPoolPageS.h"
#include "memman/memPoolPageTableC.h"
#include "memman/memPoolSystemHeap.h"
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
constinit uint32_t headerSize = 0;
constinit bool locationTracking = false;
constinit uint32_t outstandingCount = 0;
constinit bool releaseAllFlag = false;
constinit uint32_t inReportFlag = 0;
constinit memPoolPageTableC pageTable;

memManPoolC heapAtUnload;

void settleHeaderSize() {
  locationTracking = (readMemTrackSwitches() & memTrackLocationBit) != 0;
  uint32_t plain = sizeof(memPoolBlockHeaderS);
  uint32_t tracked = plain + memTrackStackDepth * sizeof(uint64_t);
  uint32_t minimum = locationTracking ? std::max(plain, tracked) : plain;
  headerSize = (minimum + 7) & ~7u;
}

memPoolBlockHeaderS* headerOf(const void* payload) {
  auto* bytes = const_cast<unsigned char*>(static_cast<const unsigned char*>(payload));
  return reinterpret_cast<memPoolBlockHeaderS*>(bytes - headerSize);
}

void* payloadOf(memPoolBlockHeaderS* header) { return reinterpret_cast<unsigned char*>(header) + headerSize; }

void pushFront(memPoolPageS*& head, memPoolPageS* page) {
  page->previous = nullptr;
  page->next = head;
  if (head) head->previous = page;
  head = page;
}

void unlink(memPoolPageS*& head, memPoolPageS* page) {
  if (page->previous) page->previous->next = page->next;
  else head = page->next;
  if (page->next) page->next->previous = page->previous;
  page->next = nullptr;
  page->previous = nullptr;
}

memPoolPageS* openPage(uint32_t elementSize) {
  auto* page = static_cast<memPoolPageS*>(memPoolSystemAlloc(sizeof(memPoolPageS)));
  initPoolPage(page, elementSize, headerSize);
  pageTable.add(page);
#ifdef RUDEZAZE_POOL_POISONING
  for (uint32_t index = 0; index < page->capacity; ++index)
    markBlockFree(reinterpret_cast<unsigned char*>(page->slot(index)) + headerSize, page->elementSize);
#endif
  return page;
}

void releasePage(memPoolPageS* page) {
  markBlockLive(page->blocks, memPoolBlockArea);
  pageTable.remove(page->number);
  memPoolSystemFree(page);
}

void* allocLargeBlock(uint32_t size) {
  // Summed at full width: a size near 4 GiB must not wrap to a tiny request.
  auto* header = static_cast<memPoolBlockHeaderS*>(memPoolSystemAlloc(size_t(headerSize) + size));
  header->owner = memPoolOwnerLarge;
  header->sizeOrLink = size;
  return payloadOf(header);
}

// The page of a live small block, checked against the page table and the page's slots,
// so a stale or foreign owner word never leads to a write.
memPoolPageS* pageOfLiveBlock(const memPoolBlockHeaderS* header) {
  memPoolPageS* page = pageTable.find(header->owner);
  if (!page || page->magic != memPoolPageMagic || !page->holdsSlot(header)) return nullptr;
  return page;
}

bool isLiveBlock(const memPoolBlockHeaderS* header) {
  return header->owner == memPoolOwnerLarge || pageOfLiveBlock(header) != nullptr;
}

}  // namespace

void* memDataPoolAlloc(uint32_t size) {
  ++outstandingCount;
  if (headerSize == 0) settleHeaderSize();
  uint32_t rounded = (size + 7) & ~7u;
  uint32_t sizeClass = rounded / 8 - 1;
  if (sizeClass >= memPoolClassCount || inReportFlag) return allocLargeBlock(size);

  memPoolPageS*& head = classListHeads[sizeClass];
  if (!head) head = openPage(rounded);
  memPoolPageS* page = head;
  memPoolBlockHeaderS* header = page->freeHead;
  page->freeHead = page->blockAtLink(header->sizeOrLink);
  header->owner = page->number;
  header->sizeOrLink = size;
  if (locationTracking) captureCallStack(reinterpret_cast<uint64_t*>(header + 1));

  if (++page->used >= page->capacity) {
    unlink(head, page);
    pushFront(fullListHead, page);
  }
  void* payload = payloadOf(header);
  markBlockLive(payload, size);
  return payload;
}

void memDataPoolFree(void* payload) {
  if (!payload) return;
  memPoolBlockHeaderS* header = headerOf(payload);
  if (header->owner == memPoolOwnerLarge) {
    --outstandingCount;
    header->owner = memPoolOwnerFreed;
    memPoolSystemFree(header);
    return;
  }
  if (header->owner == memPoolOwnerFreed) {
    reportMemError("free called on free object\n");
    return;
  }
  memPoolPageS* page = pageOfLiveBlock(header);
  if (!page) {
    reportMemError("free called on unknown object\n");
    return;
  }

  --outstandingCount;
  header->owner = memPoolOwnerFreed;
  header->sizeOrLink = page->linkTo(page->freeHead);
  page->freeHead = header;
  markBlockFree(payload, page->elementSize);

  memPoolPageS*& classHead = classListHeads[page->elementSize / 8 - 1];
  if (page->used == page->capacity) {
    unlink(fullListHead, page);
    pushFront(classHead, page);
  }
  // Each class keeps one page until unload, so a class in steady use does not go back to
  // the C heap for every block.
  if (--page->used == 0 && (page->previous || page->next || releaseAllFlag)) {
    unlink(classHead, page);
    releasePage(page);
  }
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
  const memPoolBlockHeaderS* header = headerOf(payload);
  return isLiveBlock(header) ? header->sizeOrLink : 0;
}

void releaseAllPoolPages() {
  if (outstandingCount != 0) return;
  for (memPoolPageS*& head : classListHeads) {
    while (memPoolPageS* page = head) {
      head = page->next;
      releasePage(page);
    }
  }
}

memManPoolC::~memManPoolC() {
  releaseAllFlag = true;
  releaseAllPoolPages();
  if (readMemTrackSwitches() & memTrackLeakBit) memReportToSink();
}

uint32_t memPoolHeaderSize() { return headerSize; }
uint32_t memPoolOutstandingCount() { return outstandingCount; }
bool memPoolReleaseAllFlag() { return releaseAllFlag; }
uint32_t memPoolInReportFlag() { return inReportFlag; }

uint32_t setMemPoolInReportFlag(uint32_t value) {
  uint32_t previous = inReportFlag;
  inReportFlag = value;
  return previous;
}

const memPoolPageS* memPoolClassListHead(uint32_t sizeClass) {
  return sizeClass < memPoolClassCount ? classListHeads[sizeClass] : nullptr;
}

const memPoolPageS* memPoolFullListHead() { return fullListHead; }

const memPoolPageS* memPoolPageOfBlock(const void* payload) { return pageOfLiveBlock(headerOf(payload)); }

uint32_t memPoolBlockOwner(const void* payload) { return headerOf(payload)->owner; }

uint32_t memPoolPageCount() { return pageTable.pageCount(); }
