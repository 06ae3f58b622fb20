// A chain of curves in boundary order: a singly linked list with back links, one node per
// curve. A node owns the nodes after it; the curves belong to the loop that built the chain.
// The head remembers the last node, so appending to the head costs the same at any length.
#pragma once

#include <cstddef>

class IRIBaseGeoObject;

class RIBaseObjectChain {
 public:
  RIBaseObjectChain() = default;
  RIBaseObjectChain(const RIBaseObjectChain&) = delete;
  RIBaseObjectChain& operator=(const RIBaseObjectChain&) = delete;
  // Destroys the following nodes one after the other, never recursively.
  virtual ~RIBaseObjectChain();

  // An empty node takes the object; otherwise a new node at the end of the chain holds it.
  void append(IRIBaseGeoObject* newObject);
  IRIBaseGeoObject* getObject() const { return object; }
  RIBaseObjectChain* getNext() const { return next; }
  RIBaseObjectChain* getBack() const { return back; }
  // Takes this node out of its chain, which closes behind it; the node may then be destroyed.
  void unlink();

  // Chain nodes live in the library's heap.
  static void* operator new(size_t size);
  static void operator delete(void* payload);

 private:
  RIBaseObjectChain* lastNode();

  IRIBaseGeoObject* object = nullptr;
  RIBaseObjectChain* next = nullptr;
  RIBaseObjectChain* back = nullptr;
  // Kept by a head (a node without back): the last node of its chain, null while it is alone.
  RIBaseObjectChain* tail = nullptr;
};
