#include "memman/memPoolBlockRunC.h"

#include "memman/memManPoolC.h"

void memPoolBlockRunC::refill() { left = memDataPoolAllocRun(size, blocks, runLength); }

void memPoolBlockRunC::giveBack() {
  while (left > 0) memDataPoolFree(blocks[--left]);
}
