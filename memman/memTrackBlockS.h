// One live block as the memory reports see it: a block of a heap page, with its header, or a
// block of the slot arena, which has none.
#pragma once

#include <cstdint>

#include "memman/memPoolPageS.h"

struct memTrackBlockS {
  const void* payload;
  uint32_t size;                       // the recorded size; the slot size for an arena block
  const memPoolBlockHeaderS* header;  // null for an arena block: no header, no call stack
};
