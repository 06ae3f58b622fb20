// The description of one method of a proxy ("MZIIDMETHTYPEINFO"): its name and, over
// all method rows of the name, the smallest argument count and how many more the
// largest takes. A row taking any number of arguments counts as 0.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "mzcom/mzIComMethodeTypeInfo.h"
#include "mzcom/mzSmartPtr.h"
#include "proxy/defMZCOMWrapperT.h"

class proxyObjectC;

class proxyMethodeTypeInfoC
    : public defMZCOMWrapperT<proxyMethodeTypeInfoC, mzIComMethodeTypeInfo, mzIID_IMethodTypeInfo> {
 public:
  // The counts are taken from the proxy's table now.
  proxyMethodeTypeInfoC(proxyObjectC* proxy, const char* name);

  uint32_t getName(mzVariantS* out) override;
  uint32_t getMinArgs(int32_t* out) override;
  uint32_t getOptionalArgs(int32_t* out) override;

 private:
  str name;
  int32_t minArgs = 0;
  int32_t optionalArgs = 0;
  mzSmartPtr<proxyObjectC> proxy;
};
