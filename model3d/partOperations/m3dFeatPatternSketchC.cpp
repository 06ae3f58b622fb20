#include "model3d/partOperations/m3dFeatPatternSketchC.h"

#include <cmath>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "model3d/base/frameGeometry.h"
#include "model3d/modelRegistries.h"
#include "model3d/partOperations/m3dFeatPatternBaseFeatC.h"

namespace {

keywordRegistrarT<m3dFeatPatternSketchC, m3dGeomOpBaseC> patternSketchRegistrar(geometricOp3dRegistry,
                                                                                  m3dFeatPatternSketchC::classKey, 5);
keywordRegistrarT<m3dFeatPatternBaseFeatC, m3dGeomOpBaseC> patternBaseRegistrar(geometricOp3dRegistry,
                                                                                 m3dFeatPatternBaseFeatC::classKey, 4);

constexpr const char* pointsKey = "FPSKETCHPOINTS";
constexpr const char* centreKey = "FPSKETCHROTCP";

// Every instance point, then the turning centre.
template <class actionT>
void forEachPatternPoint(metaTreeC* sketch, actionT action) {
  if (metaTreeC* points = peekFieldNode(sketch, pointsKey))
    for (metaTreeC* point = points->firstChild; point; point = point->next) action(point);
  if (metaTreeC* centre = peekFieldNode(sketch, centreKey)) action(centre);
}

void mirrorPoint(metaTreeC* point) {
  uint32_t found = 0;
  vectorC2d<double> p = readNodePoint2d(point, &found);
  if (!found) return;
  // A negated 0 is stored as 0.
  p.y = -p.y + 0.0;
  writeNodePoint2d(point, p);
}

}  // namespace

int m3dFeatPatternSketchC::scale(double factor) {
  if (!m3dSketchBaseC::scale(factor)) return 0;
  forEachPatternPoint(node, [factor](metaTreeC* point) { scaleNodeValues(point, factor); });
  return 1;
}

int m3dFeatPatternSketchC::transform(const matrixC4x4<double>& matrix) {
  matrixC4x4<double> frame;
  if (!node || !transformedFrame(matrix, frame)) return 0;
  m3dSketchBaseC::transform(matrix);
  if (findChild(m3dSketchOnC::classKey)) getSketchOn().transform(matrix);
  if (isMirroredFrame(frame)) forEachPatternPoint(node, mirrorPoint);
  return 1;
}

int m3dFeatPatternBaseFeatC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  if (metaTreeC* point = findChild("POINT3D")) scaleNodeValues(point, factor);
  return 1;
}
