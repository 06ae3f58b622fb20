// Read access to the small-block heap's process-wide state, for its reports and its tests.
#pragma once

#include <cstdint>

#include "memman/memPoolPageS.h"

// The block header size: 0 until the first block, then 8, or 136 with location tracking.
uint32_t memPoolHeaderSize();
uint32_t memPoolOutstandingCount();
bool memPoolReleaseAllFlag();
// While the in-report flag is set every block comes straight from the C heap, so the
// pages a report walks do not change under it. Returns the previous value.
uint32_t setMemPoolInReportFlag(uint32_t value);
uint32_t memPoolInReportFlag();

// The first page of a size class that still has a free block; null when none.
const memPoolPageS* memPoolClassListHead(uint32_t sizeClass);
// The first page whose blocks are all in use.
const memPoolPageS* memPoolFullListHead();
// The page of a live small block; null for a large, freed or unknown one.
const memPoolPageS* memPoolPageOfBlock(const void* payload);
// The raw owner word in the block's header.
uint32_t memPoolBlockOwner(const void* payload);
// Pages on the heap's lists (the one emptied page a class may keep for reuse is on none).
uint32_t memPoolPageCount();
// The emptied page kept for the size class's next page; null when none.
const memPoolPageS* memPoolClassSpare(uint32_t sizeClass);
