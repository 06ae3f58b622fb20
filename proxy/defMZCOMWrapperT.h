// QueryInterface, AddRef and Release for the library's small component objects (the
// class factory, type information): T is the object, I its interface and iid the
// identifier it answers besides "MZIIDUNK". The count lives in a virtual base, so a
// class may combine several such wrappers over one count. The objects live in the
// memory manager's heap.
#pragma once

#include <cstddef>
#include <cstdint>

#include "memman/memManSystemC.h"
#include "mzcom/mzComRefObjectC.h"
#include "mzcom/mzIIDConstants.h"

template <class T, class I, const mzIIDS& iid>
class defMZCOMWrapperT : public I, public virtual mzComRefObjectC {
 public:
  defMZCOMWrapperT() = default;
  defMZCOMWrapperT(const defMZCOMWrapperT&) = delete;
  defMZCOMWrapperT& operator=(const defMZCOMWrapperT&) = delete;

  // Unlike a proxy, an unsupported identifier gives 1 and a null out pointer.
  uint32_t QueryInterface(const mzIIDS& requested, void** out) override {
    if (!out) return 1;
    if (requested.isEqual(mzIID_IUnknown) || requested.isEqual(iid)) {
      AddRef();
      *out = static_cast<I*>(this);
      return 0;
    }
    *out = nullptr;
    return 1;
  }

  uint32_t AddRef() override { return ++this->referenceCount; }

  // Deletes the object when the count reaches 0.
  uint32_t Release() override {
    uint32_t count = --this->referenceCount;
    if (count == 0) delete static_cast<T*>(this);
    return count;
  }

  // The slot after the interface's own operations.
  virtual ~defMZCOMWrapperT() = default;

  static void* operator new(size_t size) { return getMemManSystem(0)->allocate(static_cast<uint32_t>(size)); }
  static void operator delete(void* payload) { getMemManSystem(0)->free(payload); }
};
