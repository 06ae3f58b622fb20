// A tree node's copy mark, read and set as a number, kept outside the node: the reference
// hooks mark only the nodes their references point to, and only while a copy is made, so a
// side table of the marked nodes is smaller than a field in every node of every document.
// It takes no room in the node (a node declares it [[no_unique_address]]); its own address,
// unique to its node, is the key of the table. Nodes copy their marks explicitly.
#pragma once

#include <cstdint>

class metaTreeCopyMarkC {
 public:
  metaTreeCopyMarkC() = default;
  metaTreeCopyMarkC(const metaTreeCopyMarkC&) = delete;
  metaTreeCopyMarkC& operator=(const metaTreeCopyMarkC&) = delete;
  ~metaTreeCopyMarkC() {
    if (markedCount != 0) forget();
  }

  // 0 when the node carries no mark.
  operator intptr_t() const { return markedCount == 0 ? 0 : lookUp(); }
  metaTreeCopyMarkC& operator=(intptr_t mark) {
    if (mark != 0 || markedCount != 0) store(mark);
    return *this;
  }

  // Nodes that carry a mark now.
  static uint32_t marked() { return markedCount; }

 private:
  intptr_t lookUp() const;
  void store(intptr_t mark);
  void forget();

  static inline uint32_t markedCount = 0;
};
