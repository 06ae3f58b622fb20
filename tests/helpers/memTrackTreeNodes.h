// The nodes of a tree that the memory-tracker tests look for in the reports.
#pragma once

#include <vector>

#include "core/metaTreeC.h"

// The node, its subtree and its following siblings with theirs, depth first.
inline std::vector<const metaTreeC*> memTrackTreeNodes(const metaTreeC* root) {
  std::vector<const metaTreeC*> nodes;
  for (const metaTreeC* node = root; node;) {
    nodes.push_back(node);
    if (node->firstChild) {
      node = node->firstChild;
      continue;
    }
    while (node && !node->next) node = node->parent;
    if (node) node = node->next;
  }
  return nodes;
}
