// The box of a geometry object, loop or piece: min x, min y, max x, max y, unchecked. Running
// minima and maxima start from an inverted box, which stands for an empty extent.
#pragma once

#include "sketchdiv/RISketchRect.h"

class RISketchBoundingBox : public RISketchRect {
 public:
  RISketchBoundingBox() = default;
  RISketchBoundingBox(double minX, double minY, double maxX, double maxY) : RISketchRect(minX, minY, maxX, maxY) {}

  // Signed: an inverted box has a negative width.
  double width() const { return maxX - minX; }
  double height() const { return maxY - minY; }
};
