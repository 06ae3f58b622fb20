// The common base of the matrix proxies; it adds no members to the math base.
#pragma once

#include "docproxy/prxMathBaseC.h"
#include "proxy/prxDescribedT.h"

class prxMatrixBaseC : public prxDescribedT<prxMatrixBaseC, prxMathBaseC> {
 public:
  prxMatrixBaseC() : prxDescribedT(0) {}

  static inline const proxyClassC description = describe("class prxMatrixBaseC *", nullptr);
};
