// The call-by-name interface through which a host (or this library, on a foreign
// object) calls the members of an object with tagged variants.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

struct mzVariantS;
class mzIException;

// Kinds of a call by name.
inline constexpr uint32_t mzInvokeMethod = 1;
inline constexpr uint32_t mzInvokePropertyGet = 2;
inline constexpr uint32_t mzInvokePropertyPut = 4;

class mzIDispatch : public mzIUnknown {
 public:
  // name: the member, null or "" for the default member; arguments: argumentCount
  // variants with a stride of 16 bytes; result and error may be null. On failure an
  // error object is stored through error, with one reference for the caller.
  virtual uint32_t Invoke(const char* name, uint32_t kind, uint32_t argumentCount, mzVariantS* arguments,
                          mzVariantS* result, mzIException** error) = 0;
};
