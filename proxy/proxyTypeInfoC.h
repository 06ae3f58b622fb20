// The type information of a proxy ("MZIIDTYPEINFO"): its members, read from its method
// table, as method and property descriptions. It keeps the proxy alive.
#pragma once

#include <cstdint>

#include "mzcom/mzIComTypeInfo.h"
#include "mzcom/mzSmartPtr.h"
#include "proxy/defMZCOMWrapperT.h"

class proxyObjectC;

class proxyTypeInfoC : public defMZCOMWrapperT<proxyTypeInfoC, mzIComTypeInfo, mzIID_ITypeInfo> {
 public:
  explicit proxyTypeInfoC(proxyObjectC* proxy);

  // Each distinct name of the table, in byte order: a method description when the mask
  // has 1 and a method row exists, a property description for 2 and a read row, another
  // for 4 and a write row.
  uint32_t getMembers(uint32_t kindMask, mzIComObjectCollection** out) override;
  // Only the lowest of the bits 1, 2 and 4 counts; 1 when it finds no row of that kind.
  uint32_t getMember(const char* name, uint32_t kindMask, mzIUnknown** out) override;

 private:
  mzSmartPtr<proxyObjectC> proxy;
};
