// The order in which the memory reports visit the live blocks: the heap's class lists 0 to
// 255, then its full-page list; pages in list order; within a page the slots in address
// order; then the slot arena's blocks (the tree nodes) in address order. Large blocks live
// outside the pages and are never visited, nor are slots never handed out.
#pragma once

#include <cstdint>

#include "memman/memManPoolInspect.h"
#include "memman/memPoolPageS.h"
#include "memman/memSlotArenaC.h"
#include "memman/memTrackBlockS.h"

inline bool isLiveSlot(const memPoolBlockHeaderS* header) {
  return header->owner != memPoolOwnerFresh && header->owner != memPoolOwnerFreed;
}

inline const void* payloadOfSlot(const memPoolBlockHeaderS* header) {
  return reinterpret_cast<const unsigned char*>(header) + memPoolHeaderSize();
}

inline memTrackBlockS trackBlockOfSlot(const memPoolBlockHeaderS* header) {
  return {payloadOfSlot(header), header->sizeOrLink, header};
}

// Calls visitPage(page) for every page in walk order.
template <class visitorT>
void forEachPoolPage(visitorT visitPage) {
  for (uint32_t sizeClass = 0; sizeClass < memPoolClassCount; ++sizeClass)
    for (const memPoolPageS* page = memPoolClassListHead(sizeClass); page; page = page->next) visitPage(page);
  for (const memPoolPageS* page = memPoolFullListHead(); page; page = page->next) visitPage(page);
}

// Calls visit(block), a memTrackBlockS, for every live block in walk order.
template <class visitorT>
void forEachLiveBlock(visitorT visit) {
  forEachPoolPage([&](const memPoolPageS* page) {
    for (uint32_t index = page->firstSetUp; index < page->capacity; ++index) {
      auto* header = reinterpret_cast<const memPoolBlockHeaderS*>(page->blocks + size_t(index) * page->stride);
      if (isLiveSlot(header)) visit(trackBlockOfSlot(header));
    }
  });
  memSlotArenaC::forEachLiveBlock(
      [&](const void* block) { visit(memTrackBlockS{block, memSlotArenaC::slotBytes, nullptr}); });
}
