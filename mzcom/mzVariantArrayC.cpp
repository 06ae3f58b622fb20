#include "mzcom/mzVariantArrayC.h"

#include <cstring>

mzVariantArrayC::~mzVariantArrayC() {
  count = 0;
  for (uint32_t i = 0; i < pageCount; ++i) delete pageTable.data[i];
  pageCount = 0;
  pageTable.freeData();
}

uint32_t mzVariantArrayC::create(mzVariantArrayC*& out, uint32_t count) {
  out = new mzVariantArrayC();
  out->resize(count);
  return 0;
}

uint32_t mzVariantArrayC::destroy(mzVariantArrayC* array) {
  delete array;
  return 0;
}

uint32_t mzVariantArrayC::getCount(const mzVariantArrayC* array, uint32_t& count) {
  count = array ? array->count : 0;
  return 0;
}

uint32_t mzVariantArrayC::getElement(mzVariantArrayC* array, uint32_t index, mzVariantS*& out) {
  if (!array || index >= array->count) return 1;
  out = &array->element(index);
  return 0;
}

void mzVariantArrayC::resize(uint32_t newCount) {
  count = newCount;
  if (newCount == 0) return;
  while (pageCount < newCount / mzVariantPageC::pageSize + 1) addPage();
}

void mzVariantArrayC::copyTo(mzVariantArrayC& other) const {
  if (&other == this) return;
  // An array without pages holds nothing this array could lie in: copy straight into it.
  if (other.pageCount == 0) {
    other.resize(count);
    for (uint32_t i = 0; i < count; ++i) element(i).copyTo(other.element(i));
    return;
  }
  // Otherwise this array may be an element of other (at any depth), which replacing other's
  // elements deletes: the copy is made whole first, then its elements are handed over.
  mzVariantArrayC copy;
  copy.resize(count);
  for (uint32_t i = 0; i < count; ++i) element(i).copyTo(copy.element(i));
  // From here on this array may be gone: only the copy is read.
  other.resize(copy.count);
  for (uint32_t i = 0; i < copy.count; ++i) {
    mzVariantS& from = copy.element(i);
    mzVariantS& to = other.element(i);
    to.clear();
    std::memcpy(to.payload, from.payload, sizeof from.payload);
    to.type = from.type;
    from.type = mzVariantS::typeEmpty;
  }
}

void mzVariantArrayC::addPage() {
  mzVariantPageC* page = new mzVariantPageC();
  pageTable.resizeBytes((pageCount + 1) * uint32_t(sizeof(mzVariantPageC*)));
  pageTable.data[pageCount++] = page;
}

mzVariantS& mzVariantArrayC::element(uint32_t index) const {
  return pageTable.data[index / mzVariantPageC::pageSize]->elements[index % mzVariantPageC::pageSize];
}
