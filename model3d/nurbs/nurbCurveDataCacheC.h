// What a NURBS curve keeps between queries: the box of its control points and the curve points
// its projection starts from.
#pragma once

#include "geom/vectorC3d.h"
#include "memman/pageMemT.h"
#include "model3d/nurbs/nurbBoundingBoxS.h"
#include "model3d/nurbs/nurbDataCacheC.h"

class nurbCurveDataCacheC : public nurbDataCacheC {
 public:
  nurbBoundingBoxS box;
  pageMemT<vectorC3d<double>, 3> samples;

  void invalidate() override {
    samples.elementCount = 0;
    box.valid = 0;
  }
};
