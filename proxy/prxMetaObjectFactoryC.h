// The meta-object factory ("rudezaze.metaobjectfactory", and the Factory property of every
// meta-object proxy): generic objects from tree text, empty string and object lists, and the
// conversions of script objects into extended-attribute proxies and lists. Its rows are the
// base of every other factory proxy, which puts its own rows in front of them.
#pragma once

#include <cstdint>

#include "proxy/proxyObjectC.h"

class prxMetaObjectFactoryC : public proxyObjectC {
 public:
  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  explicit prxMetaObjectFactoryC(uint8_t takeReference);

  static const proxyClassC description;
};
