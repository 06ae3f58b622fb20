// The links of a node in a tree of T: parent, next and previous sibling, first child.
// Sibling chains are doubly linked and not circular; every node of a chain has the same parent.
// Nodes live in the memory manager's slot arena, without a virtual table: T is deleted as T,
// and a document's many nodes carry neither a table pointer nor a block header. Links are the
// arena's 32-bit numbers of the nodes.
#pragma once

#include <cstddef>
#include <new>

#include "core/treeLinkT.h"
#include "memman/memSlotArenaC.h"

template <class T>
class MTreeNode {
 public:
  treeLinkT<T> parent;
  treeLinkT<T> next;
  treeLinkT<T> firstChild;
  treeLinkT<T> previous;

  MTreeNode() = default;
  // A copy starts unlinked.
  MTreeNode(const MTreeNode&) {}
  MTreeNode& operator=(const MTreeNode&) = delete;

  static void* operator new(size_t size) {
    void* slot = size == memSlotArenaC::slotBytes ? memSlotArenaC::take() : nullptr;
    if (!slot) throw std::bad_alloc();
    return slot;
  }
  static void operator delete(void* payload) {
    if (payload) memSlotArenaC::giveBack(payload);
  }

  // Deletes the node's subtree and every node after it in its chain. The walk is iterative:
  // each node is cut loose before it is deleted, so no destructor walks further, whatever
  // the depth or width of the tree.
  ~MTreeNode() {
    T* pending = firstChild;
    if (pending) {
      T* last = pending;
      while (last->next) last = last->next;
      last->next = next;
    } else {
      pending = next;
    }
    while (pending) {
      T* node = pending;
      if (node->firstChild) {
        T* last = node->firstChild;
        while (last->next) last = last->next;
        last->next = node->next;
        pending = node->firstChild;
      } else {
        pending = node->next;
      }
      node->parent = node->next = node->firstChild = node->previous = nullptr;
      delete node;
    }
    if (parent && static_cast<MTreeNode*>(parent->firstChild) == this) parent->firstChild = nullptr;
    // A previous sibling must not keep a link to the deleted chain.
    if (previous && static_cast<MTreeNode*>(previous->next) == this) previous->next = nullptr;
    parent = next = firstChild = previous = nullptr;
  }

  // Links chain (a node and its following siblings) after the last sibling of node.
  static void appendAfterLastSibling(T* chain, T* node) {
    T* last = node;
    while (last->next) last = last->next;
    T::linkAfter(chain, last);
  }
};
