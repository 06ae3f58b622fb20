// A script's 2D vector: one vectorC2d<double> with component access and arithmetic that
// returns new vectors.
#pragma once

#include <cstdint>

#include "docproxy/prxVectorBaseC.h"
#include "geom/vectorC2d.h"
#include "proxy/prxDescribedT.h"

class prxVector2dC : public prxDescribedT<prxVector2dC, prxVectorBaseC> {
 public:
  // (0, 0).
  explicit prxVector2dC(uint8_t takeReference = 0);
  prxVector2dC(uint8_t takeReference, const vectorC2d<double>& value);

  vectorC2d<double>& getValue() { return value; }
  const vectorC2d<double>& getValue() const { return value; }

  static const proxyClassC description;

 private:
  vectorC2d<double> value;
};
