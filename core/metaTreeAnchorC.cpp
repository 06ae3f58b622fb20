#include "core/metaTreeAnchorC.h"

#include <unordered_map>

#include "core/metaTreeC.h"
#include "core/metaTreeTopCacheC.h"

namespace {

std::unordered_map<const metaTreeC*, metaTreeAnchorC*>& anchoredRoots() {
  static std::unordered_map<const metaTreeC*, metaTreeAnchorC*> roots;
  return roots;
}

}  // namespace

metaTreeAnchorC* metaTreeAnchorC::find(const metaTreeC* node) {
  if (!node) return nullptr;
  node = metaTreeTopCacheC::topOf(node);
  // The anchored root heads the chain; a node linked in front of it later does not hide it.
  while (!node->isAnchored() && node->previous) node = node->previous;
  return ofRoot(node);
}

metaTreeAnchorC* metaTreeAnchorC::ofRoot(const metaTreeC* root) {
  if (!root || !root->isAnchored()) return nullptr;
  auto found = anchoredRoots().find(root);
  return found == anchoredRoots().end() ? nullptr : found->second;
}

metaTreeAnchorC* metaTreeAnchorC::adopt(metaTreeC* root) {
  if (!root || root->parent || root->previous) return nullptr;
  if (root->isAnchored()) return ofRoot(root);
  auto* anchor = new metaTreeAnchorC(root);
  anchor->references = 1;
  anchoredRoots().emplace(root, anchor);
  root->anchored = true;
  root->orphaned = false;
  return anchor;
}

void metaTreeAnchorC::releaseReference() {
  if (--references != 0) return;
  anchoredRoots().erase(root);
  root->anchored = false;
  // A root that was linked into another tree meanwhile belongs to that tree now.
  if (!root->parent && !root->previous) metaTreeC::deleteTree(root);
  delete this;
}
