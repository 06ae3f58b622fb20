// A reference from one node of a tree to another (key word MOREF). Its child REFTRGPTR holds
// the target as a 4-byte binary payload: in memory the target's handle (0 for none), in
// stored text the target's position code: 1 + its pre-order position in the tree written,
// 0 when the target is not in that tree, 0xFFFFFFFF for no target. The custom storage and
// copy hooks convert between the two, so a reference survives writing, reading and copying.
// A handle is only followed after its node was found in the tree at hand: a forged or stale
// one resolves as no target. A payload read from text that no load hook converted (one in a
// later top-level node) is no handle at all: it is never followed and is written as a target
// outside the tree (code 0).
#pragma once

#include <cstdint>

#include "core/metaObjectCustomCopyC.h"
#include "core/metaObjectCustomStorageC.h"

class metaObjectRefC : public metaObjectCustomStorageC, public metaObjectCustomCopyC {
 public:
  static constexpr const char* classKey = "MOREF";
  static constexpr uint32_t noTargetCode = 0xFFFFFFFFu;

  metaObjectRefC() = default;
  metaObjectRefC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns),
        metaObjectC(root, owns),
        metaObjectCustomStorageC(root, owns),
        metaObjectCustomCopyC(root, owns) {}

  // The handle stored in REFTRGPTR (created when missing); 0 when it cannot be read.
  uint32_t getTargetHandle();
  // Writes REFTRGPTR's payload anew, code 0; the payload holds a handle from now on.
  void setTargetHandle(uint32_t handle);
  // The target, when it is a node of the tree that holds this reference; otherwise null.
  metaTreeC* getTargetNode() const;
  // Makes node (null: none) the target.
  void setTargetNode(const metaTreeC* target);

  // The handle becomes the node at the position code in the loaded tree, or 0.
  uint32_t loadNode(metaTreeC* root) override;
  // A copy of this node whose payload (and that of every reference below it) holds the
  // position code of its target in the tree being written.
  metaTreeC* saveNode(metaTreeC* root) override;
  // Brings the payload into the form the written copy will have, so that positions counted in
  // the live tree hold in the text; forgets the node index.
  uint32_t prepareSave(metaTreeC* root) override;
  // Forgets the node index.
  uint32_t prepareLoad(metaTreeC* root) override;
  // Marks the target with its own address, when it is a node of the tree being copied.
  uint32_t prepareCopy(metaTreeC* root) override;
  // The handle becomes the node of the copy that carries the old target's mark, or 0.
  uint32_t finishCopy(metaTreeC* root) override;

 private:
  // Writes REFTRGPTR's payload anew with value, code 0, leaving its kind (handle or not) alone.
  void writePayload(uint32_t value);
};
