// The proxy of a meta object: a proxy whose one addition is the root node it wraps.
#pragma once

#include <cstdint>

#include "proxy/proxyObjectC.h"

class metaTreeC;

class prxMetaObjectI : public proxyObjectC {
 public:
  using proxyObjectC::proxyObjectC;

  // The root node of the wrapped meta object; null for an empty handle.
  virtual metaTreeC* getMetaObjectNode() = 0;
};
