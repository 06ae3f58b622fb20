#include "memman/memPoolPageS.h"

void initPoolPage(memPoolPageS* page, uint32_t elementSize, uint32_t headerSize) {
  page->elementSize = elementSize;
  page->stride = (elementSize + headerSize + 7) & ~7u;
  page->capacity = memPoolBlockArea / page->stride;
  page->strideDivisor = UINT64_MAX / page->stride + 1;
  page->next = nullptr;
  page->previous = nullptr;
  page->freeHead = page->freeEnd();
  page->firstSetUp = page->capacity;
  page->setUpOffset = page->capacity * page->stride;
  page->handedOutBytes = 0;
  page->used = 0;
  page->magic = memPoolPageMagic;
}
