// The script object of a feature pattern ("FEATPATTERN") of a part: every sketch member,
// working on the pattern's own frame, placement, centre line and loops, in front of the
// members of every feature.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dGenFeatureC.h"

class prxm3dFeatPatternC : public prxDescribedT<prxm3dFeatPatternC, prxm3dGenFeatureC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
