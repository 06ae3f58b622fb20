#include "core/metaTreeNodeRunC.h"

#include "memman/memManPoolC.h"

void metaTreeNodeRunC::refill() { left = memDataPoolAllocRun(sizeof(metaTreeC), blocks, runLength); }

void metaTreeNodeRunC::giveBack() {
  while (left > 0) memDataPoolFree(blocks[--left]);
}
