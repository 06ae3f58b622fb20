// One centre line of a cylindrical body feature, as a document gathers it for a view: its two
// end points, the kind (0 as made; 1 along the view direction, 2 across it once classified),
// the number of the part it came from and the diameter.
#pragma once

#include <cstdint>

#include "geom/matrixC4x4.h"
#include "geom/vectorC3d.h"
#include "memman/pageMemT.h"

class prjCenterLineDataC {
 public:
  vectorC3d<double> start;
  vectorC3d<double> end;
  int32_t kind = 0;
  int32_t partNumber = 0;
  double diameter = 0.0;

  // Against the view frame's Z axis (entries 8-10): a line across it becomes kind 2, one along
  // it kind 1, and the result is 1; any other line, coinciding end points or a direction that
  // is not finite give 0 and leave the kind.
  int classify(const matrixC4x4<double>& view);
};

using centerLineListC = pageMemT<prjCenterLineDataC, 3>;
