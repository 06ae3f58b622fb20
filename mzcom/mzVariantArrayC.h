// The array a variant of type 32768 owns: variants in pages of 8 that are made only at
// the end and never move, so an element pointer stays valid until the array goes.
#pragma once

#include <cstdint>

#include "memman/memManDataPoolC.h"
#include "memman/memManInterfaceC.h"
#include "mzcom/mzVariantS.h"

// One page: 8 variants, each empty when made and cleared when the page is deleted.
class mzVariantPageC : public memManInterfaceC {
 public:
  static constexpr uint32_t pageSize = 8;
  mzVariantS elements[pageSize];
};

class mzVariantArrayC : public memManInterfaceC {
 public:
  mzVariantArrayC() = default;
  mzVariantArrayC(const mzVariantArrayC&) = delete;
  mzVariantArrayC& operator=(const mzVariantArrayC&) = delete;
  ~mzVariantArrayC() override;

  static uint32_t create(mzVariantArrayC*& out, uint32_t count);
  // Deletes the array; a null array is ignored.
  static uint32_t destroy(mzVariantArrayC* array);
  static uint32_t getCount(const mzVariantArrayC* array, uint32_t& count);
  // 0 and the element for an index below the count; else 1, out untouched.
  static uint32_t getElement(mzVariantArrayC* array, uint32_t index, mzVariantS*& out);

  // Sets the count. Pages are only added (up to count / 8 + 1 of them) and elements
  // keep their values, so elements beyond a smaller count come back when it grows.
  void resize(uint32_t newCount);
  // A deep copy of the first count elements into other, resized to this count.
  void copyTo(mzVariantArrayC& other) const;

  uint32_t getCount() const { return count; }
  uint32_t getPageCount() const { return pageCount; }

 private:
  void addPage();
  mzVariantS& element(uint32_t index) const;

  uint32_t count = 0;
  memManDataPoolC<mzVariantPageC*> pageTable;
  uint32_t pageCount = 0;
};
