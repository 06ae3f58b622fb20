// A script's 3D vector: one vectorC3d<double> with component access and arithmetic that
// returns new vectors.
#pragma once

#include <cstdint>

#include "docproxy/prxVectorBaseC.h"
#include "geom/vectorC3d.h"
#include "proxy/prxDescribedT.h"

class prxVector3dC : public prxDescribedT<prxVector3dC, prxVectorBaseC> {
 public:
  // (0, 0, 0).
  explicit prxVector3dC(uint8_t takeReference = 0);
  prxVector3dC(uint8_t takeReference, const vectorC3d<double>& value);

  vectorC3d<double>& getValue() { return value; }
  const vectorC3d<double>& getValue() const { return value; }

  static const proxyClassC description;

 private:
  vectorC3d<double> value;
};
