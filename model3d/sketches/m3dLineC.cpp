#include "model3d/sketches/m3dLineC.h"

#include "core/metaTreeC.h"

m3dLineC m3dLineC::create(const vectorC2d<double>& start, const vectorC2d<double>& end, uint32_t owns) {
  m3dLineC line(metaTreeC::newWithKeyword(classKey), owns);
  line.setPointAt(0, start);
  line.setPointAt(1, end);
  return line;
}
