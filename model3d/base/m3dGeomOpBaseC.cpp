#include "model3d/base/m3dGeomOpBaseC.h"

#include <cmath>

#include "core/metaTreeC.h"
#include "model3d/base/finiteValues.h"
#include "model3d/base/model3dDispatch.h"
#include "model3d/modelRegistries.h"

int m3dGeomOpBaseC::scale(double factor) {
  if (!std::isfinite(factor)) return 0;
  return dispatchByKey(this, geometricOp3dRegistry, 0, [factor](m3dGeomOpBaseC& view) { return view.scale(factor); });
}

int m3dGeomOpBaseC::transform(const matrixC4x4<double>& matrix) {
  if (!isFiniteMatrix(matrix)) return 0;
  return dispatchByKey(this, geometricOp3dRegistry, 0,
                       [&matrix](m3dGeomOpBaseC& view) { return view.transform(matrix); });
}

namespace {

bool selected(const metaTreeC* child, const char* keyword) { return !keyword || child->hasKeyword(keyword); }

}  // namespace

void m3dGeomOpBaseC::scaleChildren(double factor, const char* keyword) {
  for (metaTreeC* child = node ? node->firstChild : nullptr; child; child = child->next)
    if (selected(child, keyword)) m3dGeomOpBaseC(child, 0).scale(factor);
}

void m3dGeomOpBaseC::transformChildren(const matrixC4x4<double>& matrix, const char* keyword) {
  for (metaTreeC* child = node ? node->firstChild : nullptr; child; child = child->next)
    if (selected(child, keyword)) m3dGeomOpBaseC(child, 0).transform(matrix);
}
