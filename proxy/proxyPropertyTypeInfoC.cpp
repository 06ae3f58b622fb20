#include "proxy/proxyPropertyTypeInfoC.h"

#include "mzcom/mzVariantS.h"
#include "proxy/proxyObjectC.h"

proxyPropertyTypeInfoC::proxyPropertyTypeInfoC(proxyObjectC* describedProxy, const char* memberName)
    : proxy(describedProxy), name(memberName ? memberName : "") {
  if (findMethodEntry(describedProxy->getMethodTable(), memberName, mzInvokePropertyPut, nullptr)) access = 0;
}

uint32_t proxyPropertyTypeInfoC::getName(mzVariantS* out) {
  if (!out) return 1;
  out->setString(name.c_str());
  return 0;
}

uint32_t proxyPropertyTypeInfoC::getAccess(uint32_t* out) {
  if (!out) return 1;
  *out = access;
  return 0;
}
