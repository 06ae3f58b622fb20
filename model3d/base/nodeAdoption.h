// Linking a caller's node into a tree. A node is taken as it is only when it stands outside
// every tree and no owner holds it: without parent and siblings, not held by an anchor, and
// not the new parent or one of its ancestors (which would close a loop). A copy is always
// made of the node alone, before anything changes, so the node may lie anywhere, even in the
// part of the tree about to be replaced.
#pragma once

#include <cstdint>

class metaTreeC;

// The node to link under parent: with copy a deep copy of the node and its subtree (custom
// copy hooks on), else the node itself when it can be taken; null otherwise.
metaTreeC* nodeToLink(metaTreeC* node, const metaTreeC* parent, uint32_t copy);
// True when child is a direct child of parent.
bool isChildOf(const metaTreeC* child, const metaTreeC* parent);
