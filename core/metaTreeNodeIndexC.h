// The node index of one tree: nodes by pre-order position, positions by node address, and
// nodes by copy mark. The object-reference hooks use it to turn nodes into positions and
// back while a tree is written, read or copied. Built once per root, on first use.
#pragma once

#include <cstdint>

#include "core/nodeIndexSort.h"

class metaTreeC;

class metaTreeNodeIndexC {
 public:
  // The one process-wide index.
  static metaTreeNodeIndexC& instance();

  metaTreeNodeIndexC() = default;
  metaTreeNodeIndexC(const metaTreeNodeIndexC&) = delete;
  metaTreeNodeIndexC& operator=(const metaTreeNodeIndexC&) = delete;

  // Forgets the index; the next query builds it over root, its subtree and its following siblings.
  void setRoot(metaTreeC* newRoot);
  // The node at the 1-based pre-order position, or null.
  metaTreeC* nodeAt(uint32_t position, uint32_t force);
  // The 1-based pre-order position of node, or 0 when it is null or not in the tree.
  uint32_t indexOf(const metaTreeC* node, uint32_t force);
  // A node whose copy mark is mark, or null; nodes with mark 0 are never found.
  metaTreeC* findByMark(intptr_t mark, uint32_t force);

  metaTreeC* getRoot() const { return root; }

 private:
  static constexpr uint32_t notBuilt = 0xFFFFFFFFu;
  void rebuild(uint32_t force);

  nodeArrayC nodes;  // in pre-order
  nodeIndexArrayC order;   // positions into nodes, by node address
  nodeIndexArrayC marked;  // positions of the nodes with a copy mark, by mark
  metaTreeC* root = nullptr;
  uint32_t stamp = notBuilt;
};
