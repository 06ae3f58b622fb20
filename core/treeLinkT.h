// A link between tree nodes, kept as the 32-bit number of the linked node in the slot arena
// (0 for none) and used like a pointer: a document's nodes hold four links each, so the
// numbers halve the room the links take. Only nodes that live in the arena can be linked.
#pragma once

#include <cstdint>

#include "memman/memSlotArenaC.h"

// Stops the process: a node that is not the arena's (on the stack, inside another object)
// cannot be linked, and going on would lose the link.
[[noreturn]] void treeLinkOutsideArena();

template <class T>
class treeLinkT {
 public:
  treeLinkT() = default;
  // So that a choice between a link and no node (c ? node->next : nullptr) is a link.
  treeLinkT(decltype(nullptr)) {}
  treeLinkT(const treeLinkT&) = default;
  treeLinkT& operator=(const treeLinkT&) = default;
  treeLinkT& operator=(T* node) {
    number = numberOf(node);
    return *this;
  }

  T* get() const { return number ? static_cast<T*>(memSlotArenaC::at(number)) : nullptr; }
  operator T*() const { return get(); }
  T* operator->() const { return get(); }
  explicit operator bool() const { return number != 0; }

 private:
  static uint32_t numberOf(const T* node) {
    if (!node) return 0;
    uint32_t found = memSlotArenaC::numberOfBlock(node);
    if (found == 0) [[unlikely]]
      treeLinkOutsideArena();
    return found;
  }

  uint32_t number = 0;
};
