// The script list of a part's features ("ITEMS"): every child a feature, whatever its key
// word, in order. Beside the list's own members (Count, Item by index, RemoveAt, ...) it finds
// a feature by name, adds one by class key, tells whether a class key occurs, and splits
// feature patterns or accepts features by class key.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjEnumC.h"
#include "proxy/prxmObjListContainerTemplateC.h"
#include "proxy3d/prxm3dGenFeatureC.h"

using prxm3dFeatureEnumC = prxmObjEnumC<prxm3dGenFeatureC>;

class prxm3dFeaturesC : public prxDescribedT<prxm3dFeaturesC, prxmObjListContainerTemplateC<prxm3dGenFeatureC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
