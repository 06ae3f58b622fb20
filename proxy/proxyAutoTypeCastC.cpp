#include "proxy/proxyAutoTypeCastC.h"

#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzIScriptSymbolRef.h"
#include "proxy/proxyExceptions.h"

proxyAutoTypeCastC::proxyAutoTypeCastC(const proxyAutoTypeCastC& other)
    : mzVariantS(other), memManInterfaceC(), resolvedValue(other.resolvedValue) {}

proxyAutoTypeCastC& proxyAutoTypeCastC::operator=(const proxyAutoTypeCastC& other) {
  assign(other);
  resolvedValue.assign(other.resolvedValue);
  return *this;
}

void proxyAutoTypeCastC::convertNumber(uint32_t numberType, mzVariantS& converted) const {
  const mzVariantS* number = this;
  mzVariantS defaultValue;
  if (type == typeInterface) {
    if (resolveDefaultValue(*this, defaultValue) != 0) throwTypeCastException();
    number = &defaultValue;
  }
  if (number->type != typeInt && number->type != typeDouble) throwTypeCastException();
  if (convertCopy(*number, converted, numberType) != 0) throwTypeCastException();
}

int32_t proxyAutoTypeCastC::toInt() const {
  mzVariantS converted;
  convertNumber(typeInt, converted);
  return converted.intValue;
}

double proxyAutoTypeCastC::toDouble() const {
  mzVariantS converted;
  convertNumber(typeDouble, converted);
  return converted.doubleValue;
}

uint8_t proxyAutoTypeCastC::toBool() const {
  mzVariantS converted;
  convertNumber(typeByte, converted);
  return converted.byteValue;
}

const char* proxyAutoTypeCastC::toCString() {
  if (type == typeString) return stringText();
  if (type != typeInterface) throwTypeCastException();
  if (resolveDefaultValue(*this, resolvedValue) != 0) throwTypeCastException();
  if (resolvedValue.type != typeString) throwTypeCastException();
  return resolvedValue.stringText();
}

mzSmartPtr<mzIDispatch> proxyAutoTypeCastC::toDispatch() const {
  mzSmartPtr<mzIDispatch> dispatch;
  if (type != typeInterface) return dispatch;
  mzVariantS object(*this);
  if (!dereferenceSymbolRef(object)) return dispatch;
  if (object.type != typeInterface || !object.interfaceValue) return dispatch;
  void* pointer = nullptr;
  if (object.interfaceValue->QueryInterface(mzIID_IDispatch, &pointer) == 0 && pointer) {
    dispatch.assign(static_cast<mzIDispatch*>(pointer), false);
  }
  return dispatch;
}

void proxyAutoTypeCastC::setObject(mzIUnknown* object) {
  mzSmartPtr<mzIUnknown> handedOver(object, false);
  if (!object) {
    clear();
    return;
  }
  void* unknown = nullptr;
  if (object->QueryInterface(mzIID_IUnknown, &unknown) != 0 || !unknown) {
    clear();
    return;
  }
  mzSmartPtr<mzIUnknown> held(static_cast<mzIUnknown*>(unknown), false);
  setDispatch(held.get());
}

bool dereferenceSymbolRef(mzVariantS& variant) {
  for (int step = 0; step <= mzMaxIndirectionSteps; ++step) {
    if (variant.type != mzVariantS::typeInterface || !variant.interfaceValue) return true;
    void* pointer = nullptr;
    if (variant.interfaceValue->QueryInterface(mzIID_ScriptSymbolRef, &pointer) != 0 || !pointer) return true;
    mzSmartPtr<mzIScriptSymbolRef> reference(static_cast<mzIScriptSymbolRef*>(pointer), false);
    if (step == mzMaxIndirectionSteps) return false;
    variant.clear();
    reference->getValue(&variant);
  }
  return false;
}
