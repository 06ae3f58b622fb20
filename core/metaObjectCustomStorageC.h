// A meta object that takes part in loading and saving trees. Each operation gets the root of
// the tree being loaded or saved. The base implementation of every operation hands the call
// to the prototype registered for the node's key word in the custom-storage registry, so a
// plain temporary view over any node runs the registered class's code; a registered class
// overrides only what it needs.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class metaObjectCustomStorageC : public virtual metaObjectC {
 public:
  metaObjectCustomStorageC() = default;
  metaObjectCustomStorageC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}
  virtual ~metaObjectCustomStorageC() = default;

  // For each node after a tree was read.
  virtual uint32_t loadNode(metaTreeC* root);
  // For each node while the copy to write is built: the node that takes this node's place in
  // that copy (its subtree then is not visited), or null for the default copy.
  virtual metaTreeC* saveNode(metaTreeC* root);
  // For each node before the copy to write is built.
  virtual uint32_t prepareSave(metaTreeC* root);
  // For each node of the copy once it is built.
  virtual uint32_t finishSave(metaTreeC* root);
  // For each node after a tree was read, before loadNode.
  virtual uint32_t prepareLoad(metaTreeC* root);
  // For each node after loadNode.
  virtual uint32_t finishLoad(metaTreeC* root);
};
