// The script object of a sketch ("SKETCH") of a part: the sketch members in front of those of
// every feature.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dGenFeatureC.h"

class prxm3dSketchC : public prxDescribedT<prxm3dSketchC, prxm3dGenFeatureC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
