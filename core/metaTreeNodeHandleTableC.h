// Names live tree nodes by 32-bit handles, as references store them. A handle is a number
// given to a node on first use and kept for it until the node is freed; then the handle names
// nothing, for good: numbers are never given twice, so a reference left holding the handle
// of a freed node never comes to name the node that reuses its address.
// A handle is still only followed after its node was found in the tree at hand
// (metaTreeNodeIndexC::indexOf, findByMark): a node that is alive may lie in another tree.
#pragma once

#include <cstdint>
#include <unordered_map>

class metaTreeC;

class metaTreeNodeHandleTableC {
 public:
  // The one process-wide table.
  static metaTreeNodeHandleTableC& instance();

  // The handle of node; 0 for null (and once the handles are used up).
  uint32_t handleOf(const metaTreeC* node);
  // The live node the handle was given to, or null for 0, handles never given and handles of
  // freed nodes.
  const metaTreeC* addressOf(uint32_t handle) const;
  // node is being freed: its handle names nothing from now on.
  void forget(const metaTreeC* node);

 private:
  std::unordered_map<uint32_t, const metaTreeC*> addresses;
  std::unordered_map<const metaTreeC*, uint32_t> handles;
  uint32_t lastGiven = 0;
};
