// Finds the top of a node's tree, the ancestor without a parent, without climbing the whole
// way each time: every script object asks for the tree of the node it shows, and scripts can
// build trees thousands of levels deep. A walk of more than a few levels leaves entries for
// the node it started at and for every few ancestors on its way, so a later walk from the
// same node or a node near it stops at once or after a few steps.
//
// Entries stay true because the tree links tell the cache of every change that can move a
// node into another tree (parentChanging) and of every node freed: a leaf loses
// its own entry, a node with children all entries, which the next walks put back. Shallow
// trees never make an entry. Process-wide and unguarded, as all tree state.
#pragma once

class metaTreeC;

class metaTreeTopCacheC {
 public:
  // The ancestor of node that has no parent (node itself at top level); null for null.
  static metaTreeC* topOf(const metaTreeC* node);

  // node's parent link is about to change; node stays alive.
  static void parentChanging(const metaTreeC* node);
  // node is being freed.
  static void forget(const metaTreeC* node);

  // The number of entries held, for tests.
  static unsigned long entryCount();
};
