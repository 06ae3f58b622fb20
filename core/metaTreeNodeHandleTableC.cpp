#include "core/metaTreeNodeHandleTableC.h"

namespace {

// 0xFFFFFFFF is what a stored reference without a target holds; no node is named by it.
constexpr uint32_t lastHandle = 0xFFFFFFFEu;

}  // namespace

metaTreeNodeHandleTableC& metaTreeNodeHandleTableC::instance() {
  static metaTreeNodeHandleTableC table;
  return table;
}

uint32_t metaTreeNodeHandleTableC::handleOf(const metaTreeC* node) {
  if (!node) return 0;
  auto found = handles.find(node);
  if (found != handles.end()) return found->second;
  if (addresses.size() >= lastHandle) return 0;
  addresses.push_back(node);
  uint32_t handle = uint32_t(addresses.size());
  handles.emplace(node, handle);
  return handle;
}

const metaTreeC* metaTreeNodeHandleTableC::addressOf(uint32_t handle) const {
  if (handle == 0 || handle > addresses.size()) return nullptr;
  return addresses[handle - 1];
}
