// The script object of a part's detail levels ("PARTLOD"): the selected level's name, the
// list of levels, one level by name, the levels' names in a host array, and the deletion from
// a feature list, of this part or another, of the features a level leaves out.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dBaseC.h"

class prxm3dPartDetailLevelC : public prxDescribedT<prxm3dPartDetailLevelC, prxm3dBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
