// One thread of a body feature, as 21 numbers: the placement (16, column by column: X radial,
// Y = Z × X, Z along the axis, T the base point on the axis), the thread's length and
// diameter, the feature's diameter at the cosmetic line, and that line's start and length
// along Z from T. A new record holds the identity placement and zeros.
#pragma once

#include "memman/pageMemT.h"

class cosThreadDataC {
 public:
  double ThreadPosition[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  double ThreadLen = 0.0;
  double ThreadDia = 0.0;
  double FeatureDia = 0.0;
  double featureEdgeStart = 0.0;
  double featureEdgeLen = 0.0;
};

using cosThreadListC = pageMemT<cosThreadDataC, 3>;
