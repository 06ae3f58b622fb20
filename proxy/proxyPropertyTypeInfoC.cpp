#include "proxy/proxyPropertyTypeInfoC.h"

#include "mzcom/mzOutAnswer.h"
#include "mzcom/mzVariantS.h"
#include "proxy/proxyObjectC.h"

proxyPropertyTypeInfoC::proxyPropertyTypeInfoC(proxyObjectC* describedProxy, const char* memberName)
    : proxy(describedProxy), name(memberName ? memberName : "") {
  if (findMethodEntry(describedProxy->getMethodTable(), memberName, mzInvokePropertyPut, nullptr)) access = 0;
}

uint32_t proxyPropertyTypeInfoC::getName(mzVariantS* out) { return answerOutText(out, name.c_str()); }

uint32_t proxyPropertyTypeInfoC::getAccess(uint32_t* out) { return answerOut(out, access); }
