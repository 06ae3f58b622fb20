// The script object of a body feature: the sketch named by "USED" extruded or revolved. Its
// type, sketch, side, key value and draft angle, and the threads found on it. Scripts meet it
// as a base feature ("BASE") or a cut feature ("CUT").
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dGenFeatureC.h"

class prxm3dFeatBodyC : public prxDescribedT<prxm3dFeatBodyC, prxm3dGenFeatureC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
