// The description of one property of a proxy ("MZIIDPROPTYPEINFO"): its name and
// whether it can only be read.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "mzcom/mzIComPropertyTypeInfo.h"
#include "mzcom/mzSmartPtr.h"
#include "proxy/defMZCOMWrapperT.h"

class proxyObjectC;

class proxyPropertyTypeInfoC
    : public defMZCOMWrapperT<proxyPropertyTypeInfoC, mzIComPropertyTypeInfo, mzIID_IPropertyTypeInfo> {
 public:
  // The access is taken from the proxy's table now.
  proxyPropertyTypeInfoC(proxyObjectC* proxy, const char* name);

  uint32_t getName(mzVariantS* out) override;
  // 1 when the table has no write row of the name, else 0.
  uint32_t getAccess(uint32_t* out) override;

 private:
  mzSmartPtr<proxyObjectC> proxy;
  str name;
  uint32_t access = 1;
};
