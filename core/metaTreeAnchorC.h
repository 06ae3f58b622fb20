// The shared keeper of one top-level tree (a root node and its following siblings). The
// handle that owns the tree and every script object over a node of it hold a reference, and
// the last reference to go deletes the tree: an object over a part of a document keeps the
// whole document, as it is, for as long as the object lives, whoever owned it first.
//
// An anchor is found from any node of its tree through the top of that tree
// (metaTreeTopCacheC, which spares deep nodes the climb) and a process-wide table of anchored
// roots, unguarded like the rest of the tree state (calls come from one thread at a time).
#pragma once

#include <cstdint>

#include "memman/memManInterfaceC.h"

class metaTreeC;

class metaTreeAnchorC : public memManInterfaceC {
 public:
  metaTreeAnchorC(const metaTreeAnchorC&) = delete;
  metaTreeAnchorC& operator=(const metaTreeAnchorC&) = delete;

  // The anchor of the tree node lies in, null when no anchor keeps that tree. No reference
  // is taken.
  static metaTreeAnchorC* find(const metaTreeC* node);
  // The anchor of which root is the root; null for any other node.
  static metaTreeAnchorC* ofRoot(const metaTreeC* root);
  // The anchor of the tree root heads, for the handle that owns root; null when root is null
  // or lies inside a tree (has a parent or a previous sibling). A new anchor starts with one
  // reference, which the owning handle gives back when it lets go of root.
  static metaTreeAnchorC* adopt(metaTreeC* root);

  void addReference() { ++references; }
  // The last reference deletes the tree (viewed nodes survive as orphans) and the anchor.
  void releaseReference();

  metaTreeC* getRoot() const { return root; }
  uint32_t getReferenceCount() const { return references; }

 private:
  explicit metaTreeAnchorC(metaTreeC* treeRoot) : root(treeRoot) {}
  ~metaTreeAnchorC() override = default;

  metaTreeC* root;
  uint32_t references = 0;
};
