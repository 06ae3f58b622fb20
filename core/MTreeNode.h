// The links of a node in a tree of T: parent, next and previous sibling, first child.
// Sibling chains are doubly linked and not circular; every node of a chain has the same parent.
// Nodes live in the memory manager's heap as pooled objects do, but without a virtual table:
// T is deleted as T, and a document's many nodes do not each carry a table pointer.
#pragma once

#include <cstddef>

#include "memman/memManInterfaceC.h"

template <class T>
class MTreeNode {
 public:
  T* parent = nullptr;
  T* next = nullptr;
  T* firstChild = nullptr;
  T* previous = nullptr;

  MTreeNode() = default;
  // A copy starts unlinked.
  MTreeNode(const MTreeNode&) {}
  MTreeNode& operator=(const MTreeNode&) = delete;

  static void* operator new(size_t size) { return memManInterfaceC::operator new(size); }
  static void operator delete(void* payload) { memManInterfaceC::operator delete(payload); }
  // Placement form for nodes constructed in blocks taken from the heap beforehand.
  static void* operator new(size_t, void* place) noexcept { return place; }
  static void operator delete(void*, void*) noexcept {}

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
