#include "host/hostObjectCollectionC.h"

#include "mzcom/mzIIDConstants.h"

hostObjectCollectionC* hostObjectCollectionC::create() {
  auto* made = new hostObjectCollectionC();
  made->AddRef();
  return made;
}

hostObjectCollectionC::~hostObjectCollectionC() {
  for (mzIUnknown* item : items) item->Release();
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
