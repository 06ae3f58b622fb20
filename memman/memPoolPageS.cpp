#include "memman/memPoolPageS.h"

void initPoolPage(memPoolPageS* page, uint32_t elementSize, uint32_t headerSize) {
  page->elementSize = elementSize;
  page->stride = (elementSize + headerSize + 7) & ~7u;
  page->capacity = memPoolBlockArea / page->stride;
  page->strideInverse = uint32_t((uint64_t(1) << 32) / page->stride + 1);
  page->next = nullptr;
  page->previous = nullptr;
  page->freeHead = nullptr;
  page->firstSetUp = page->capacity;
  page->used = 0;
  page->magic = memPoolPageMagic;
}
