#include "dlliface/isTreeEqual.h"

#include <utility>
#include <vector>

#include "core/metaTreeC.h"

bool isTreeEqual(const metaTreeC* a, const metaTreeC* b) {
  // Pairs of chains still to compare, each from its first node on.
  std::vector<std::pair<const metaTreeC*, const metaTreeC*>> pending{{a, b}};
  while (!pending.empty()) {
    auto [left, right] = pending.back();
    pending.pop_back();
    for (; left && right; left = left->next, right = right->next) {
      if (left->value != right->value) return false;
      if (left->firstChild || right->firstChild) pending.emplace_back(left->firstChild, right->firstChild);
    }
    if (left || right) return false;
  }
  return true;
}
