#include "mzcom/mzVariantArrayC.h"

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
  other.resize(count);
  for (uint32_t i = 0; i < count; ++i) element(i).copyTo(other.element(i));
}

void mzVariantArrayC::addPage() {
  mzVariantPageC* page = new mzVariantPageC();
  pageTable.resizeBytes((pageCount + 1) * uint32_t(sizeof(mzVariantPageC*)));
  pageTable.data[pageCount++] = page;
}

mzVariantS& mzVariantArrayC::element(uint32_t index) const {
  return pageTable.data[index / mzVariantPageC::pageSize]->elements[index % mzVariantPageC::pageSize];
}
