// Names live tree nodes by 32-bit handles, as references store them. A handle is a number
// given to a node address on first use and kept for that address; 0 names no node.
// The address behind a handle may since have been freed or reused, so it is only ever
// compared with the addresses of a tree's nodes (metaTreeNodeIndexC::indexOf, findByMark),
// never followed by itself.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

class metaTreeC;

class metaTreeNodeHandleTableC {
 public:
  // The one process-wide table.
  static metaTreeNodeHandleTableC& instance();

  // The handle of node; 0 for null (and once the handles are used up).
  uint32_t handleOf(const metaTreeC* node);
  // The address a handle was given to, or null for 0 and handles never given.
  const metaTreeC* addressOf(uint32_t handle) const;

 private:
  std::vector<const metaTreeC*> addresses;  // handle - 1 to address
  std::unordered_map<const metaTreeC*, uint32_t> handles;
};
