// Makes new vectors and matrices for scripts. It has no ProgID: a script reaches it
// through the Factory property of any math proxy, which makes a new one on every read.
#pragma once

#include "proxy/proxyObjectC.h"

class prxMathFactoryC : public proxyObjectC {
 public:
  // Count 0: the Factory read's result takes the first reference.
  prxMathFactoryC();

  static const proxyClassC description;
};
