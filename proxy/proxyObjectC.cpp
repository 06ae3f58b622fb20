#include "proxy/proxyObjectC.h"

#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzOutAnswer.h"
#include "mzcom/mzVariantS.h"
#include "platform/threadHandle.h"
#include "proxy/proxyTypeInfoC.h"

proxyObjectC::proxyObjectC(const proxyClassC& description, uint8_t takeReference)
    : proxyObjectC(nullptr, description, takeReference) {
  nativeObject = this;
}

proxyObjectC::proxyObjectC(void* native, const proxyClassC& description, uint8_t takeReference)
    : externalConnection(this), nativePointer(this), nativeObject(native) {
  setClass(description);
  if (takeReference) AddRef();
}

proxyObjectC::proxyObjectC(void* native, uint32_t, const proxyClassC& description, uint8_t takeReference)
    : proxyObjectC(native, description, takeReference) {}

proxyObjectC::~proxyObjectC() = default;

void proxyObjectC::setClass(const proxyClassC& description) {
  description.prepare();
  proxyClass = &description;
}

uint32_t proxyObjectC::QueryInterface(const mzIIDS& iid, void** out) {
  if (!out) return 2;
  if (iid.isEqual(mzIID_IDispatch) || iid.isEqual(mzIID_IUnknown)) {
    AddRef();
    *out = static_cast<mzIDispatch*>(this);
    return 0;
  }
  if (iid.isEqual(mzIID_IComExternalConnection)) {
    AddRef();
    *out = static_cast<mzIComExternalConnection*>(&externalConnection);
    return 0;
  }
  if (iid.isEqual(mzIID_IComNativePointer)) {
    AddRef();
    *out = static_cast<mzIComNativePointer*>(&nativePointer);
    return 0;
  }
  if (iid.isEqual(mzIID_ITypeInfo)) {
    auto* typeInfo = new proxyTypeInfoC(this);
    typeInfo->AddRef();
    *out = static_cast<mzIComTypeInfo*>(typeInfo);
    return 0;
  }
  return 2;
}

uint32_t proxyObjectC::AddRef() { return ++referenceCount; }

uint32_t proxyObjectC::Release() {
  uint32_t count = --referenceCount;
  if (count == 0) delete this;
  return count;
}

const char* proxyObjectC::getTypeName() { return proxyClass->getTypeName(); }

void* proxyObjectC::getNativePointer() { return dynamic_cast<void*>(this); }

uint32_t proxyObjectC::connectionOperation1(uint32_t) { return 0; }

uint32_t proxyObjectC::connectionOperation2(uint32_t, uint32_t) { return 0; }

uint32_t proxyObjectC::connectionOperation3(uint32_t* out) {
  if (out) *out = 1;
  return 0;
}

uint32_t proxyObjectC::externalConnectionC::QueryInterface(const mzIIDS& iid, void** out) {
  if (!out || !(iid.isEqual(mzIID_IUnknown) || iid.isEqual(mzIID_IComExternalConnection))) return 2;
  AddRef();
  *out = static_cast<mzIComExternalConnection*>(this);
  return 0;
}

uint32_t proxyObjectC::externalConnectionC::AddRef() { return owner->AddRef(); }

uint32_t proxyObjectC::externalConnectionC::Release() { return owner->Release(); }

uint32_t proxyObjectC::externalConnectionC::connectionOperation1(uint32_t value) {
  return owner->connectionOperation1(value);
}

uint32_t proxyObjectC::externalConnectionC::connectionOperation2(uint32_t first, uint32_t second) {
  return owner->connectionOperation2(first, second);
}

uint32_t proxyObjectC::externalConnectionC::connectionOperation3(uint32_t* out) {
  return owner->connectionOperation3(out);
}

uint32_t proxyObjectC::nativePointerC::QueryInterface(const mzIIDS& iid, void** out) {
  if (!out || !(iid.isEqual(mzIID_IUnknown) || iid.isEqual(mzIID_IComNativePointer))) return 2;
  AddRef();
  *out = static_cast<mzIComNativePointer*>(this);
  return 0;
}

uint32_t proxyObjectC::nativePointerC::AddRef() { return owner->AddRef(); }

uint32_t proxyObjectC::nativePointerC::Release() { return owner->Release(); }

uint32_t proxyObjectC::nativePointerC::getThreadId(uint32_t* out) {
  return answerOut(out, threadHandle::currentThreadId());
}

uint32_t proxyObjectC::nativePointerC::getNativePointer(void** out) {
  return answerOut(out, owner->getNativePointer());
}

uint32_t proxyObjectC::nativePointerC::nativePointerOperation6(uint32_t) { return 1; }

uint32_t proxyObjectC::nativePointerC::getTypeName(mzVariantS* out) {
  return answerOutText(out, owner->getTypeName());
}
