// Nodes for a reader that makes many at once, their blocks taken from the heap a run at a time.
#pragma once

#include "core/metaTreeC.h"
#include "memman/memPoolBlockRunC.h"

class metaTreeNodeRunC {
 public:
  // An empty, unlinked node, freed as any other.
  metaTreeC* newNode() { return new (blocks.take()) metaTreeC; }
  // Blocks no node took go back to the heap.
  void giveBack() { blocks.giveBack(); }

 private:
  memPoolBlockRunC blocks{sizeof(metaTreeC)};
};
