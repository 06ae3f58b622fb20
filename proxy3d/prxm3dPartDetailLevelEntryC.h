// The script object of one detail level of a part ("PARTLODENT"): its name and the list of
// the names of the features it leaves out.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dBaseC.h"

class prxm3dPartDetailLevelEntryC : public prxDescribedT<prxm3dPartDetailLevelEntryC, prxm3dBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
