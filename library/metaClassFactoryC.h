// The library's one class factory: registered with the host's engine under "MZIIDCLSFAC",
// it makes a new factory proxy for each of the library's ProgIDs. It keeps nothing of what
// it hands out.
#pragma once

#include <cstdint>

#include "mzcom/mzIClassFactory.h"
#include "mzcom/mzSmartPtr.h"
#include "proxy/defMZCOMWrapperT.h"

class metaClassFactoryC : public defMZCOMWrapperT<metaClassFactoryC, mzIClassFactory, mzIID_IClassFactory> {
 public:
  metaClassFactoryC() = default;

  // The ProgIDs are tried in a fixed order: a text identifier matches one without regard to
  // case, an identifier carrying a length only byte for byte. A match gives 0 and a new
  // factory proxy with one reference; anything else 1 and null.
  uint32_t CreateInstance(const mzIIDS& classId, mzIDispatch** out) override;
};

// A new class factory with one reference, held by the result.
mzSmartPtr<mzIClassFactory> createClassFactory();
