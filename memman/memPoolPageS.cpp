#include "memman/memPoolPageS.h"

void initPoolPage(memPoolPageS* page, uint32_t elementSize, uint32_t headerSize) {
  page->elementSize = elementSize;
  page->stride = (elementSize + headerSize + 7) & ~7u;
  page->capacity = memPoolBlockArea / page->stride;
  page->next = nullptr;
  page->previous = nullptr;
  memPoolBlockHeaderS* previousSlot = nullptr;
  for (uint32_t i = 0; i < page->capacity; ++i) {
    memPoolBlockHeaderS* header = page->slot(i);
    header->owner = memPoolOwnerFresh;
    header->sizeOrLink = page->linkTo(previousSlot);
    previousSlot = header;
  }
  page->freeHead = previousSlot;
  page->used = 0;
  page->magic = memPoolPageMagic;
}

bool memPoolPageS::holdsSlot(const void* header) const {
  // Integer arithmetic: the address may belong to no page at all.
  uintptr_t start = reinterpret_cast<uintptr_t>(blocks);
  uintptr_t address = reinterpret_cast<uintptr_t>(header);
  if (address < start) return false;
  uintptr_t offset = address - start;
  return offset % stride == 0 && offset / stride < capacity;
}
