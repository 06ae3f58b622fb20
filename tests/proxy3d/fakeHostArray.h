// The host's "rudezaze.array" for tests and benchmarks without the host's engine: it keeps a
// copy of what its "add" is handed (unless told to refuse it); any other call fails. It lives on the caller's stack and
// starts with the caller's own reference.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"

class fakeHostArrayC final : public mzIDispatch {
 public:
  uint32_t references = 1;
  std::vector<mzVariantS> items;
  bool refusesAdd = false;

  // The texts added, in order; "<not a string>" for any other value.
  std::vector<std::string> texts() const {
    std::vector<std::string> result;
    for (const mzVariantS& item : items) result.push_back(item.stringText() ? item.stringText() : "<not a string>");
    return result;
  }

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_IDispatch)) {
      *out = nullptr;
      return 1;
    }
    AddRef();
    *out = static_cast<mzIDispatch*>(this);
    return 0;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return --references; }
  uint32_t Invoke(const char* name, uint32_t kind, uint32_t count, mzVariantS* arguments, mzVariantS*,
                  mzIException**) override {
    if (refusesAdd || !name || std::strcmp(name, "add") != 0 || kind != mzInvokeMethod || count != 1) return 1;
    items.push_back(arguments[0]);
    return 0;
  }
};
