// A checksum record (key word MOCRC): the CRC-32 of a canonical text of the tree it covers,
// refreshed before every write of the tree that holds it. Children: MOREF, a reference to the
// covered node (without it, or without a target, the record covers its parent's tree);
// CRCTYPE, always 0; CRCVALUE, the 32 bits as a signed integer (stored as a number).
#pragma once

#include <cstdint>

#include "core/metaObjectCustomStorageC.h"

class metaObjectCRCC : public metaObjectCustomStorageC {
 public:
  static constexpr const char* classKey = "MOCRC";

  metaObjectCRCC() = default;
  metaObjectCRCC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns), metaObjectCustomStorageC(root, owns) {}

  // Sets CRCTYPE to 0 and CRCVALUE to the checksum of the covered tree; 0 when there is none.
  uint32_t prepareSave(metaTreeC* root) override;
  // 1 when CRCVALUE equals the checksum of the covered tree now.
  uint32_t verifyChecksum();

  // The checksum of the chain from node on. Its canonical text leaves out every node whose key
  // word has custom storage (with its subtree) and writes, with no separators, a word as it
  // is, a string quoted and escaped as the tree text escapes it, and a number as VAL (so
  // numbers never change it); other values write nothing.
  static uint32_t computeTreeCrc(const metaTreeC* node);

  // The last step of a save (root and single as the save hooks take them; written, the copy
  // they prepared): refreshes, in the tree and in the copy, CRCVALUE of each record whose
  // covered tree starts inside another node with custom storage. Such a tree was changed by
  // the save steps after the record's own (a reference's payload, another record's values),
  // and inside a reference it is checksummed as written, where the payloads hold positions
  // rather than the handles of this process. Every other record keeps its prepareSave value.
  static void refreshAfterSave(metaTreeC* root, uint32_t single, metaTreeC* written);

 private:
  metaTreeC* coveredTree() const;
};
