#include "host/hostMessageOutputC.h"

#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"

hostMessageOutputC* hostMessageOutputC::create() { return new hostMessageOutputC(); }

uint32_t hostMessageOutputC::QueryInterface(const mzIIDS& iid, void** out) {
  if (!out) return 1;
  if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_IComMessageOutput)) {
    *out = nullptr;
    return 1;
  }
  *out = static_cast<mzIComMessageOutput*>(this);
  AddRef();
  return 0;
}

uint32_t hostMessageOutputC::AddRef() { return ++references; }

uint32_t hostMessageOutputC::Release() {
  uint32_t left = --references;
  if (left == 0) delete this;
  return left;
}

uint32_t hostMessageOutputC::writeMessage(int32_t code, mzVariantS* text) {
  const char* message = text ? text->stringText() : nullptr;
  if (!message) return 1;
  kept.push_back({code, message});
  return 0;
}
