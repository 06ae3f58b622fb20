// A collection of objects the engine hands out ("MZCOMOBJCOLL"); it holds one reference on each.
#pragma once

#include <cstdint>
#include <vector>

#include "mzcom/mzComObjectT.h"
#include "mzcom/mzIComObjectCollection.h"

class hostObjectCollectionC final
    : public mzComObjectT<mzComInterfaceT<mzIComObjectCollection, mzIID_IComObjectCollection>> {
 public:
  // A new, empty collection with one reference for the caller.
  static hostObjectCollectionC* create();
  hostObjectCollectionC(const hostObjectCollectionC&) = delete;
  hostObjectCollectionC& operator=(const hostObjectCollectionC&) = delete;

  // QueryInterface answers "MZIIDUNK" and "MZCOMOBJCOLL"; anything else gives 1 and a null pointer.
  uint32_t getCount(uint32_t* count) override;
  uint32_t getItem(uint32_t index, mzIUnknown** out) override;

  // Appends item with a reference of the collection's.
  void add(mzIUnknown* item);

 private:
  hostObjectCollectionC() = default;
  ~hostObjectCollectionC();

  std::vector<mzIUnknown*> items;
};
