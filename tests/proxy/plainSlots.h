// Calls through an object's table of function pointers, as a host compiled elsewhere
// makes them: the object's address holds the table, each slot takes the object first.
#pragma once

#include <cstdint>

#include "mzcom/mzIIDS.h"

struct mzVariantS;

namespace plainSlots {

using queryInterfaceFn = uint32_t (*)(void* self, const mzIIDS* iid, void** out);
using countFn = uint32_t (*)(void* self);
using u32OutFn = uint32_t (*)(void* self, uint32_t* out);
using variantOutFn = uint32_t (*)(void* self, mzVariantS* out);

template <class F>
F slot(void* object, int index) {
  return reinterpret_cast<F>((*static_cast<void***>(object))[index]);
}

inline void release(void* object) { slot<countFn>(object, 2)(object); }

}  // namespace plainSlots
