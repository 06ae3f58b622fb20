#include "core/metaTreeCopyMarkC.h"

#include <unordered_map>

namespace {

// Never destroyed: a node that a static object frees after the end of main still finds it.
std::unordered_map<const metaTreeCopyMarkC*, intptr_t>& marks() {
  static auto* table = new std::unordered_map<const metaTreeCopyMarkC*, intptr_t>;
  return *table;
}

}  // namespace

intptr_t metaTreeCopyMarkC::lookUp() const {
  auto found = marks().find(this);
  return found == marks().end() ? 0 : found->second;
}

void metaTreeCopyMarkC::store(intptr_t mark) {
  if (mark == 0) marks().erase(this);
  else marks()[this] = mark;
  markedCount = uint32_t(marks().size());
}

void metaTreeCopyMarkC::forget() {
  marks().erase(this);
  markedCount = uint32_t(marks().size());
}
