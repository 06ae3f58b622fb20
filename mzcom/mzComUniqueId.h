// Identifiers unique to one call in one thread of one process, for the engine's use.
#pragma once

#include <cstdint>

#include "mzcom/mzIIDS.h"

// out := the binary identifier of "<prefix>:<process>:<thread>:<counter>" (at most its first
// 32 bytes); the process-wide counter starts at 1 and rises with each call. Always 0.
uint32_t makeUniqueId(const char* prefix, mzIIDS& out);

// The identifier text for the given values: "%3s:%8x:%8x:%4x", blank-padded.
void formatUniqueId(const char* prefix, uint32_t processId, uint32_t threadId, uint32_t counter, mzIIDS& out);
