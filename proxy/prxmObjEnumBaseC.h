// What every walk over the children of a list shares, whatever proxy it hands out: the child
// it stands on, so that a tool can see which node a walk keeps alive without knowing its type.
#pragma once

#include "proxy/proxyObjectC.h"

class metaTreeC;

class prxmObjEnumBaseC : public proxyObjectC {
 public:
  // The child the walk stands on; null when it stands on nothing.
  virtual metaTreeC* getCurrentNode() const = 0;

 protected:
  using proxyObjectC::proxyObjectC;
};
