// Sorting and binary search of index arrays: arrays of positions into an array of nodes,
// ordered by the node's address or by its copy mark.
#pragma once

#include <cstdint>

#include "memman/pageMemT.h"

class metaTreeC;

using nodeIndexArrayC = pageMemT<int, 3>;
using nodeArrayC = pageMemT<metaTreeC*, 3>;

// Shell sort, ascending, gaps 1, 4, 13, ...; an element moves only past strictly greater keys.
// Addresses compare as unsigned numbers, copy marks as signed ones.
void sortIndexByPointer(nodeIndexArrayC& index, const nodeArrayC& nodes);
void sortIndexByNodeNumber(nodeIndexArrayC& index, const nodeArrayC& nodes);

// The position in index of the key when it is there; otherwise that of the last key below it,
// or 0 when every key is above it; -1 for an empty index. Callers check the key found.
int searchIndexByPointer(const nodeIndexArrayC& index, const nodeArrayC& nodes, const metaTreeC* key);
int searchIndexByNodeNumber(const nodeIndexArrayC& index, const nodeArrayC& nodes, intptr_t key);
