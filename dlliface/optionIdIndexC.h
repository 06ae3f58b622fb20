// Finds the elements of one collection by ID text as findElementById does, in a constant time
// per lookup, side effects included: a scan gives each element it passes an ID, and every scan
// passes the elements before the one it finds, or all of them, so the index passes them with
// one cursor that only moves forward, each element when the first scan would reach it. The
// caller reports the elements it appends; nothing else may add, remove or rename elements of
// the collection while the index is used.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class metaTreeC;

class optionIdIndexC {
 public:
  // collection may be null: nothing is found then.
  optionIdIndexC(metaTreeC* collection, const char* elementKey);

  // The first element whose ID text is id; null when none is.
  metaTreeC* find(std::string_view id);
  // element, carrying the key word and an ID, was appended as the collection's last child.
  void appended(metaTreeC* element);

 private:
  // The first element of an ID text; open addressing over a power of two of slots, at most
  // half of them used.
  struct slotS {
    std::string_view id;
    metaTreeC* element = nullptr;  // null: a free slot
    uint32_t ordinal = 0;          // among the collection's elements
  };
  void note(metaTreeC* element);
  slotS& slotOf(std::string_view id);
  void grow();
  // Gives the elements up to the ordinal (all with UINT32_MAX) their IDs, as a scan would.
  void passUpTo(uint32_t ordinal);

  metaTreeC* collection;
  const char* elementKey;
  std::vector<slotS> firstById;
  uint32_t count = 0;
  metaTreeC* lastPassed = nullptr;
  uint32_t passed = 0;
};
