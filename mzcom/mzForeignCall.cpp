#include "mzcom/mzForeignCall.h"

#include "mzcom/mzIComProxyObject.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"

mzSmartPtr<mzIDispatch>& variantToDispatch(mzSmartPtr<mzIDispatch>& holder, const mzVariantS& variant) {
  holder.release();
  if (variant.type != mzVariantS::typeInterface || !variant.interfaceValue) return holder;
  void* dispatch = nullptr;
  if (variant.interfaceValue->QueryInterface(mzIID_IDispatch, &dispatch) == 0 && dispatch) {
    holder.assign(static_cast<mzIDispatch*>(dispatch), false);
  }
  return holder;
}

uint32_t invokeByName(const mzSmartPtr<mzIDispatch>& holder, const char* name, uint32_t kind,
                      uint32_t argumentCount, mzVariantS* arguments, mzVariantS* result) {
  if (!holder) return 1;
  mzIException* error = nullptr;
  uint32_t outcome = holder->Invoke(name, kind, argumentCount, arguments, result, &error);
  if (error) error->Release();
  return outcome;
}

uint32_t invokeByNameNoArgs(const mzSmartPtr<mzIDispatch>& holder, const char* name, uint32_t kind,
                            mzVariantS* result) {
  return invokeByName(holder, name, kind, 0, nullptr, result);
}

uint32_t invokeByNameThroughProxy(uintptr_t value, const mzSmartPtr<mzIDispatch>& holder, const char* name,
                                  uint32_t kind, mzVariantS* result) {
  if (!holder) return 1;
  mzComProxyObjectCall(holder.get(), value);
  return invokeByNameNoArgs(holder, name, kind, result);
}

uint32_t mzComProxyObjectCall(mzIUnknown* object, uintptr_t value) {
  if (!object) return 1;
  void* proxy = nullptr;
  if (object->QueryInterface(mzIID_IComProxyObject, &proxy) != 0 || !proxy) return 1;
  mzSmartPtr<mzIComProxyObject> held(static_cast<mzIComProxyObject*>(proxy), false);
  return held->proxyOperation4(value);
}
