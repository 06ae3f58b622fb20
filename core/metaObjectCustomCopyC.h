// A meta object that takes part in deep copies of trees. Each operation gets the root of the
// tree being copied (or of the copy). Dispatched by key word through the custom-copy registry,
// as metaObjectCustomStorageC is through the custom-storage registry.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class metaObjectCustomCopyC : public virtual metaObjectC {
 public:
  metaObjectCustomCopyC() = default;
  metaObjectCustomCopyC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}
  virtual ~metaObjectCustomCopyC() = default;

  // The node that takes this node's place in the copy (its subtree then is not visited), or
  // null for the default copy.
  virtual metaTreeC* copyNode(metaTreeC* root);
  // For each node of the source before copying.
  virtual uint32_t prepareCopy(metaTreeC* root);
  // For each node of the copy after copying.
  virtual uint32_t finishCopy(metaTreeC* root);
};
