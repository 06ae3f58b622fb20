#include "model3d/sketches/m3dArcC.h"

#include "core/metaTreeC.h"

m3dArcC m3dArcC::create(const vectorC2d<double>& start, const vectorC2d<double>& mid, const vectorC2d<double>& end,
                        uint32_t owns) {
  m3dArcC arc(metaTreeC::newWithKeyword(classKey), owns);
  arc.setPointAt(0, start);
  arc.setPointAt(1, mid);
  arc.setPointAt(2, end);
  return arc;
}
