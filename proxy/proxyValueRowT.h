// The rows of a property whose get reads a number of its object, takes no arguments and
// cannot fail. Beside the row's handler, the class's name index keeps the row's value getter,
// which a call by name runs straight into the host's result when that holds nothing to
// release: such a call makes no result of its own and needs no frame.
//
//   static uint32_t countValue(void* native, mzVariantS& result) noexcept;
//   {"Count", mzInvokePropertyGet, 0, &proxyValueRowT<&countValue>::handler},
#pragma once

#include <cstdint>

#include "mzcom/mzVariantS.h"
#include "proxy/proxyAutoTypeCastC.h"
#include "proxy/proxyMethodEntryS.h"

// A handler and the value getter it runs, linked into the registry before main.
struct proxyValueGetterS {
  proxyMethodHandlerT handler;
  proxyValueGetterT getter;
  const proxyValueGetterS* next;
};

// Links entry into the registry once; true.
bool registerValueGetter(proxyValueGetterS& entry);
// The value getter a handler runs; null for any other handler.
proxyValueGetterT findValueGetter(proxyMethodHandlerT handler);

template <proxyValueGetterT getter>
struct proxyValueRowT {
  // The row's handler, for every road but the one straight into the host's result: the value
  // goes through a variant of its own, since result may hold something to release.
  static void handler(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    (void)registered;
    mzVariantS value;
    getter(native, value);
    result.takeFrom(value);
  }

 private:
  static inline proxyValueGetterS entry{&handler, getter, nullptr};
  static inline const bool registered = registerValueGetter(entry);
};
