// A sweep ("SWEEP"): a body swept through the sketches "SWEEPSKLIST" names, in order.
#pragma once

#include <cstdint>

#include "model3d/features/m3dFeatGenC.h"

class m3dFeatSweepC : public m3dFeatGenC {
 public:
  static constexpr const char* classKey = "SWEEP";

  m3dFeatSweepC() = default;
  m3dFeatSweepC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dFeatGenC(root, owns) {}

  // A sweep through n > 2 sketches s0 .. s(n-1) in a part's "ITEMS" becomes the chain of
  // sweeps (s0, s1), (s1, s2), ... in consecutive places, itself the first; the copies keep all
  // its other children, its name too. 1 when split; 0, nothing changed, for fewer than 3
  // names, a list entry that is no string, or a sweep outside an "ITEMS" list.
  int splitSweep();
};
