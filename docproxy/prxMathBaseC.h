// The base of every script-visible vector and matrix: a plain proxy, not a view of a tree
// node, whose one member Factory hands out a new math factory on every read.
#pragma once

#include <cstdint>

#include "proxy/proxyObjectC.h"

class prxMathBaseC : public proxyObjectC {
 public:
  explicit prxMathBaseC(uint8_t takeReference);

  static const proxyClassC description;
};
