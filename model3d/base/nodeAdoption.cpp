#include "model3d/base/nodeAdoption.h"

#include "core/metaObjectVirtualDataBaseC.h"
#include "core/metaTreeC.h"

namespace {

bool isAncestorOrSelf(const metaTreeC* node, const metaTreeC* of) {
  for (const metaTreeC* step = of; step; step = step->parent)
    if (step == node) return true;
  return false;
}

}  // namespace

metaTreeC* nodeToLink(metaTreeC* node, const metaTreeC* parent, uint32_t copy) {
  if (!node || !parent) return nullptr;
  if (copy) return metaObjectVirtualDataBaseC(node, 0).clone(1, 1);
  if (node->parent || node->previous || node->next || node->isAnchored() || isAncestorOrSelf(node, parent))
    return nullptr;
  // A node removed while viewed now belongs to the tree, no longer to its last viewer.
  node->clearOrphaned();
  return node;
}

bool isChildOf(const metaTreeC* child, const metaTreeC* parent) { return child && parent && child->parent == parent; }
