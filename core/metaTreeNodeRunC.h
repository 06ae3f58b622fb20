// Nodes for a reader that makes many at once: their blocks come from the heap a run at a
// time, which costs far less than a block per node. Blocks no node took go back with
// giveBack or with the run.
#pragma once

#include <cstdint>

#include "core/metaTreeC.h"

class metaTreeNodeRunC {
 public:
  metaTreeNodeRunC() = default;
  metaTreeNodeRunC(const metaTreeNodeRunC&) = delete;
  metaTreeNodeRunC& operator=(const metaTreeNodeRunC&) = delete;
  ~metaTreeNodeRunC() { giveBack(); }

  // An empty, unlinked node, freed as any other.
  metaTreeC* newNode() {
    if (left == 0) [[unlikely]]
      refill();
    return new (blocks[--left]) metaTreeC;
  }
  void giveBack();

 private:
  void refill();

  static constexpr uint32_t runLength = 64;
  void* blocks[runLength];
  uint32_t left = 0;
};
