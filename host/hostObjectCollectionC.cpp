#include "host/hostObjectCollectionC.h"

#include "mzcom/mzIIDConstants.h"

hostObjectCollectionC* hostObjectCollectionC::create() { return new hostObjectCollectionC(); }

hostObjectCollectionC::~hostObjectCollectionC() {
  for (mzIUnknown* item : items) item->Release();
}

uint32_t hostObjectCollectionC::QueryInterface(const mzIIDS& iid, void** out) {
  if (!out) return 1;
  if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_IComObjectCollection)) {
    *out = nullptr;
    return 1;
  }
  *out = static_cast<mzIComObjectCollection*>(this);
  AddRef();
  return 0;
}

uint32_t hostObjectCollectionC::AddRef() { return ++references; }

uint32_t hostObjectCollectionC::Release() {
  uint32_t left = --references;
  if (left == 0) delete this;
  return left;
}

uint32_t hostObjectCollectionC::getCount(uint32_t* count) {
  if (!count) return 1;
  *count = uint32_t(items.size());
  return 0;
}

uint32_t hostObjectCollectionC::getItem(uint32_t index, mzIUnknown** out) {
  if (!out || index >= items.size()) return 1;
  items[index]->AddRef();
  *out = items[index];
  return 0;
}

void hostObjectCollectionC::add(mzIUnknown* item) {
  if (!item) return;
  item->AddRef();
  items.push_back(item);
}
