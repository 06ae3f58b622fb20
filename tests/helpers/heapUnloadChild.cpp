// A process for the small-block heap's unload test. It links only the parts of the library it
// uses, so no static initialiser holds a block: the heap's unload hook, run by hand once every
// block is freed, must give back every page and slab, and the heap must still serve afterwards.
// Exits 0 when so, else with the number of the check that failed.
#include <cstdint>

#include "memman/memManPoolC.h"
#include "memman/memManPoolInspect.h"
#include "memman/memPoolSlabs.h"

int main() {
  memDataPoolFree(memDataPoolAlloc(8));
  memDataPoolFree(memDataPoolAlloc(800));
  if (memPoolPageCount() < 2) return 10;
  if (memPoolOutstandingCount() != 0) return 11;
  { memManPoolC atUnload; }
  if (memPoolPageCount() != 0) return 12;
  if (memPoolSlabCount() != 0) return 16;
  for (uint32_t sizeClass = 0; sizeClass < memPoolClassCount; ++sizeClass)
    if (memPoolClassListHead(sizeClass)) return 13;
  // From now on a page goes as soon as it empties.
  void* after = memDataPoolAlloc(8);
  if (!memPoolPageOfBlock(after)) return 14;
  memDataPoolFree(after);
  if (memPoolPageCount() != 0) return 15;
  return memPoolSlabCount() == 0 ? 0 : 17;
}
