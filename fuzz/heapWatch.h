// The fuzz targets' watch over the library's small-block heap and node arena. AddressSanitizer
// sees into them only as far as they poison their free blocks: a block freed twice there only
// writes "free called on free object" to the debugger output, which trapHeapErrors turns into
// a crash; a node a proxy still shows must be a live block of the arena, and its text live
// blocks of the heap (checkNodeLive), whatever reuse has made of their slots; and an input
// gives back every block it took (runBalanced).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/metaTreeC.h"
#include "fuzz/fuzzCheck.h"
#include "memman/memManPoolInspect.h"
#include "memman/memSlotArenaC.h"

namespace scriptFuzz {

inline void checkLiveBlock(const void* block) {
  FUZZ_CHECK(block);
  FUZZ_CHECK(memPoolBlockOwner(block) == memPoolOwnerLarge || memPoolPageOfBlock(block) != nullptr);
}

inline void checkTokenLive(const metaTreeC* node) {
  FUZZ_CHECK(memSlotArenaC::blockSize(node) != 0);
  if (const str* text = node->value.getText()) {
    checkLiveBlock(text);
    if (text->buffer.data) checkLiveBlock(text->buffer.data);
  }
}

// A node a proxy shows, its token, its ancestors and its first children are live blocks.
inline void checkNodeLive(const metaTreeC* node) {
  if (!node) return;
  checkTokenLive(node);
  int steps = 0;
  for (const metaTreeC* up = node->parent; up && steps < 64; up = up->parent, ++steps) checkTokenLive(up);
  steps = 0;
  for (const metaTreeC* child = node->firstChild; child && steps < 64; child = child->next, ++steps) {
    checkTokenLive(child);
    FUZZ_CHECK(child->parent == node);
  }
  if (node->next) {
    checkTokenLive(node->next);
    FUZZ_CHECK(node->next->previous == node);
  }
}

inline void trapHeapErrors(const char* text, void*) {
  if (text && std::strstr(text, "free called on")) {
    std::fputs(text, stderr);
    FUZZ_CHECK(!"a block of the small-block heap was freed twice or was never given out");
  }
}

// Runs one input and checks that it gives back every block it took. The library's node
// indexes keep the blocks they have grown to for the next pass, so when the count differs the
// input runs again: over warm indexes it must come out even.
template <class runT>
void runBalanced(runT run) {
  uint32_t before = memPoolOutstandingCount();
  run();
  if (memPoolOutstandingCount() == before) return;
  before = memPoolOutstandingCount();
  run();
  FUZZ_CHECK(memPoolOutstandingCount() == before);
}

}  // namespace scriptFuzz
