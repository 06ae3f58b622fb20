// Calls by name on objects a script hands in, known to the library only as mzIDispatch.
// Error objects of these calls are dropped: a failure reports only its result code.
#pragma once

#include <cstdint>

#include "mzcom/mzIDispatch.h"
#include "mzcom/mzSmartPtr.h"

struct mzVariantS;

// The holder receives the dispatch interface of the object the variant holds, or
// nothing when the variant holds no object or the object has no such interface.
mzSmartPtr<mzIDispatch>& variantToDispatch(mzSmartPtr<mzIDispatch>& holder, const mzVariantS& variant);

// 1 for an empty holder, else the result of the object's Invoke.
uint32_t invokeByName(const mzSmartPtr<mzIDispatch>& holder, const char* name, uint32_t kind,
                      uint32_t argumentCount, mzVariantS* arguments, mzVariantS* result);
uint32_t invokeByNameNoArgs(const mzSmartPtr<mzIDispatch>& holder, const char* name, uint32_t kind,
                            mzVariantS* result);
// As invokeByNameNoArgs, after handing value to the object's engine proxy first.
uint32_t invokeByNameThroughProxy(uintptr_t value, const mzSmartPtr<mzIDispatch>& holder, const char* name,
                                  uint32_t kind, mzVariantS* result);

// The fourth operation of the object's "MZCOMPROXYOBJ" interface with value; 1 when the
// object has no such interface, else the operation's result.
uint32_t mzComProxyObjectCall(mzIUnknown* object, uintptr_t value);
