#include "core/metaTreeTopCacheC.h"

#include <unordered_map>
#include <vector>

#include "core/metaTreeC.h"

namespace {

// Walks shorter than this make no entry; longer ones leave one every this many levels.
constexpr int entrySpacing = 16;

// Never destroyed: nodes may be freed by other static objects' destructors at exit.
std::unordered_map<const metaTreeC*, metaTreeC*>& entries() {
  static auto* table = new std::unordered_map<const metaTreeC*, metaTreeC*>;
  return *table;
}

}  // namespace

metaTreeC* metaTreeTopCacheC::topOf(const metaTreeC* node) {
  if (!node) return nullptr;
  if (!node->parent) return const_cast<metaTreeC*>(node);
  auto& table = entries();
  static std::vector<const metaTreeC*> stops;
  stops.clear();
  const metaTreeC* walk = node;
  metaTreeC* top = nullptr;
  int steps = 0;
  while (walk->parent) {
    if (walk->marks & metaTreeC::topCachedMark) {
      auto found = table.find(walk);
      if (found != table.end()) {
        top = found->second;
        break;
      }
      // Left over from entries dropped all at once.
      walk->marks &= uint8_t(~metaTreeC::topCachedMark);
    }
    if (steps % entrySpacing == 0) stops.push_back(walk);
    walk = walk->parent;
    ++steps;
  }
  if (!top) top = const_cast<metaTreeC*>(walk);
  if (steps >= entrySpacing) {
    for (const metaTreeC* stop : stops) {
      table[stop] = top;
      stop->marks |= metaTreeC::topCachedMark;
    }
  }
  return top;
}

void metaTreeTopCacheC::parentChanging(const metaTreeC* node) {
  auto& table = entries();
  if (table.empty()) return;
  // The nodes below a moved node move with it; which of them have entries is not known here.
  if (node->firstChild) {
    table.clear();
    return;
  }
  forget(node);
}

void metaTreeTopCacheC::forget(const metaTreeC* node) {
  if (!(node->marks & metaTreeC::topCachedMark)) return;
  node->marks &= uint8_t(~metaTreeC::topCachedMark);
  entries().erase(node);
}

unsigned long metaTreeTopCacheC::entryCount() { return static_cast<unsigned long>(entries().size()); }
