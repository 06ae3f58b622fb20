// A collection of objects the engine hands out ("MZCOMOBJCOLL"); it holds one reference on each.
#pragma once

#include <cstdint>
#include <vector>

#include "mzcom/mzIComObjectCollection.h"

class hostObjectCollectionC final : public mzIComObjectCollection {
 public:
  // A new, empty collection with one reference for the caller.
  static hostObjectCollectionC* create();
  hostObjectCollectionC(const hostObjectCollectionC&) = delete;
  hostObjectCollectionC& operator=(const hostObjectCollectionC&) = delete;

  // "MZIIDUNK" and "MZCOMOBJCOLL"; anything else gives 1 and a null pointer.
  uint32_t QueryInterface(const mzIIDS& iid, void** out) override;
  uint32_t AddRef() override;
  uint32_t Release() override;
  uint32_t getCount(uint32_t* count) override;
  uint32_t getItem(uint32_t index, mzIUnknown** out) override;

  // Appends item with a reference of the collection's.
  void add(mzIUnknown* item);

 private:
  hostObjectCollectionC() = default;
  ~hostObjectCollectionC();

  uint32_t references = 1;
  std::vector<mzIUnknown*> items;
};
