// Live blocks of the heap and the slot arena counted by recorded size and type name.
#pragma once

#include <cstdint>
#include <vector>

#include "memman/memTrackBlockS.h"

struct memTypeStatS {
  memTrackBlockS firstBlock;  // the first live block found for the entry
  char name[256];
  uint32_t count;
  uint32_t seen;  // marks entries already matched by a snapshot comparison
  // Kept in the entry, so a comparison never reads a block freed since its snapshot.
  uint32_t size;
};

// Fills table (emptied first) in walk order, one entry per distinct size and name, in the
// order they were first met; returns the bytes of all live blocks. The table has no fixed
// limit, so no pair is ever dropped.
uint64_t collectTypeStats(std::vector<memTypeStatS>& table);

// The first entry with the same size and the same name, byte for byte; null when none.
memTypeStatS* findTypeStat(std::vector<memTypeStatS>& table, uint32_t size, const char* name);
