// The native access interface of every meta-object proxy, "rudezaze.proxymetabaseiface":
// other proxies and factories reach the wrapped tree through it without a script in
// between. The slot order is part of the interface.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class metaTreeC;

class prxMetaBaseI : public mzIUnknown {
 public:
  // out receives the wrapped root node, shared (null for an empty handle); with copy set
  // and a node held, a deep copy of it and its following siblings that the caller owns. 0.
  virtual uint32_t getMetaObject(metaTreeC** out, uint32_t copy) = 0;
  // The proxy lets go of its tree and wraps node instead: shared, or with copy set a deep
  // copy of it and its following siblings that the proxy owns. 0.
  virtual uint32_t setMetaObject(metaTreeC* node, uint32_t copy) = 0;
};
