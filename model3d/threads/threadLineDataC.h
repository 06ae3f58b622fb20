// A line segment in sketch coordinates, as the thread computation reads the lines of a sketch
// and of its cosmetic sketch.
#pragma once

#include "geom/vectorC2d.h"
#include "memman/pageMemT.h"

class threadLineDataC {
 public:
  vectorC2d<double> start;
  vectorC2d<double> end;
};

using threadLineListC = pageMemT<threadLineDataC, 3>;
