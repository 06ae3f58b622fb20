#include "core/metaTreeNodeHandleTableC.h"

#include "core/metaTreeC.h"

namespace {

// 0xFFFFFFFF is what a stored reference without a target holds; no node is named by it.
constexpr uint32_t lastHandle = 0xFFFFFFFEu;

}  // namespace

metaTreeNodeHandleTableC& metaTreeNodeHandleTableC::instance() {
  // Never destroyed: nodes may be freed by other static objects' destructors at exit.
  static auto* table = new metaTreeNodeHandleTableC;
  return *table;
}

uint32_t metaTreeNodeHandleTableC::handleOf(const metaTreeC* node) {
  if (!node) return 0;
  if (node->marks & metaTreeC::handleNamedMark) {
    auto found = handles.find(node);
    if (found != handles.end()) return found->second;
  }
  if (lastGiven >= lastHandle) return 0;
  uint32_t handle = ++lastGiven;
  handles.emplace(node, handle);
  addresses.emplace(handle, node);
  node->marks |= metaTreeC::handleNamedMark;
  return handle;
}

const metaTreeC* metaTreeNodeHandleTableC::addressOf(uint32_t handle) const {
  auto found = addresses.find(handle);
  return found == addresses.end() ? nullptr : found->second;
}

void metaTreeNodeHandleTableC::forget(const metaTreeC* node) {
  node->marks &= uint8_t(~metaTreeC::handleNamedMark);
  auto found = handles.find(node);
  if (found == handles.end()) return;
  addresses.erase(found->second);
  handles.erase(found);
}
