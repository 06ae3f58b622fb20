// QueryInterface, AddRef and Release for the library's small component objects (the
// class factory, type information): T is the object, I its interface and iid the
// identifier it answers besides "MZIIDUNK" (mzComObjectT). The objects live in the memory
// manager's heap.
#pragma once

#include <cstddef>
#include <cstdint>

#include "memman/memManSystemC.h"
#include "mzcom/mzComObjectT.h"

template <class T, class I, const mzIIDS& iid>
class defMZCOMWrapperT : public mzComObjectT<mzComInterfaceT<I, iid>> {
 public:
  static void* operator new(size_t size) { return getMemManSystem(0)->allocate(static_cast<uint32_t>(size)); }
  static void operator delete(void* payload) { getMemManSystem(0)->free(payload); }
};
